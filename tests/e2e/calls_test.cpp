// Calls through the real binary: a program that computes with predefined
// methods runs, and a bad call is one counted error.
#include "velp_run.h"

namespace {

TEST_F(VelpTest, MethodChainAndLiteralMethodRun) {
    write("t.vel", "text s = \" Hi \"\nprint s.trim().upper().length(), \"ab\".dup(2)\n");
    VelpResult r = velp({"-q", "t"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "2 abab\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(VelpTest, BadCallIsOneError) {
    write("t.vel", "print f(1\n");
    VelpResult r = velp({"t"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, banner() + "t.vel L1: bad call syntax\nt.php, compiled 1 lines, there is 1 error\n");
    EXPECT_EQ(r.err, "");
}

}  // namespace
