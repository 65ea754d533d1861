// Control statements through the real compiler: the program is compiled
// and run by velp itself.
#include "velp_run.h"

namespace {

TEST_F(VelpTest, LoopsRunAndEnd) {
    write("loops.vel",
          "for int i in 10 .. 1 step 3 ? echo i, \" \"\n"
          "print\n"
          "while forever ? break\n"
          "int n = 0\n"
          "while forever\n"
          "   n = n + 1\n"
          "   if n < 3 ? continue\n"
          "   break\n"
          "/while\n"
          "print n\n");
    VelpResult r = velp({"-q", "loops"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "10 7 4 1 \n3\n");
    EXPECT_EQ(r.err, "");
}

TEST_F(VelpTest, ABadIfLineIsOneReport) {
    write("bad.vel",
          "int x = 1\n"
          "if x >\n"
          "   print 1\n"
          "/if\n"
          "if x = 1\n"
          "   print 2\n"
          "/if\n");
    VelpResult r = velp({"-q", "bad"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.out, "bad.vel L2: bad if syntax\nbad.php, compiled 7 lines, there is 1 error\n");
    EXPECT_EQ(r.err, "");
    EXPECT_NE(read("bad.php").find("\nif($x===1)\n{\n   echo 2, \"\\n\";\n}\n"), std::string::npos);
}

}  // namespace
