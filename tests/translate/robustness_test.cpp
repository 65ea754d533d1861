// Hostile input: syntax errors deep inside expressions, nesting at and past
// the limit, long flat chains. Each is reported where it stands, and the
// translation goes on with the next line.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "emit/expr_levels.h"
#include "harness.h"

namespace {

std::string repeated(const std::string& text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

// A syntax error inside a list or a dict is recovered by the literal's
// handler: the expression level it pushed is gone again, so the operator
// around it applies its positions to its own text.
TEST(Robustness, HandlersRestoreTheExpressionLevel)
{
    const char* const broken[] = {
        "print 12345 + [1 2 mod 3",  "print 12345 + {1: 2 3} mod 3", "print 1 < [1 2 < 3",
        "print 1 | [1 2 | 3",        "print -[1 2",               "print 5 << [1 2 >> 3",
        "print (1 = 2) = [1 2 = 3",  "print not [1 2 and true",   "print 1 + array(1 2 mod 3",
        "print 7 mod [1 2 mod 3",    "int x = 1 + [1 2 * 3",      "print 1 in [1 2 in 3",
    };
    for (const char* line : broken) {
        Translation t = translate(std::string(line) + "\nprint 5\n");
        EXPECT_FALSE(t.escaped) << line;
        EXPECT_TRUE(t.closed) << line;
        EXPECT_GE(t.errors, 1) << line;
        EXPECT_EQ(t.out.find("Exception"), std::string::npos) << line;
        EXPECT_NE(t.php.find("echo 5, \"\\n\";"), std::string::npos) << line << "\n" << t.php;
        EXPECT_EQ(exprLevel, 0) << line;

        Translation page = translate("{|<p>|}<?vel " + std::string(line) + " ?>{|</p>|}\n{|" +
                                         "|}<?vel print 5 ?>{||}",
                                     "page.vel", StartRule::webPage);
        EXPECT_FALSE(page.escaped) << line;
        EXPECT_TRUE(page.closed) << line;
        EXPECT_NE(page.php.find("echo 5, \"\\n\";"), std::string::npos) << line << "\n"
                                                                       << page.php;
    }
}

struct Form {
    std::string open, inner, close;
    std::string prelude = "";
};

const Form nestingForms[] = {
    {"(", "1", ")"},  {"[", "1", "]"},        {"int(", "1", ")"},      {"{1: ", "1", "}"},
    {"[1, ", "1", "]"}, {"array(", "1", ")"}, {"dict(1: ", "1", ")"}, {"not ", "true", ""},
    {"- ", "1", ""},  {"~ ", "1", ""},        {"(1 + ", "1", ")"},
    {"f(", "1", ")", "int f(int a) return a\n"},
};

// Every nesting form just under the limit translates, on any stack the
// caller has (the parse runs on a stack of its own); past it, one error at
// the line, and the next line is translated.
TEST(Robustness, NestingLimitInEveryForm)
{
    for (const Form& f : nestingForms) {
        std::string within = repeated(f.open, 1900) + f.inner + repeated(f.close, 1900);
        startRun();
        Translation fine = translate(f.prelude + "print " + within + "\n");
        EXPECT_EQ(fine.errors, 0) << f.open;
        EXPECT_EQ(fine.err, "") << f.open;

        std::string deep = repeated(f.open, 5000) + f.inner + repeated(f.close, 5000);
        startRun();
        Translation t = translate(f.prelude + "print 1\nprint " + deep + "\nprint 2\n");
        EXPECT_FALSE(t.escaped) << f.open;
        EXPECT_TRUE(t.closed) << f.open;
        EXPECT_EQ(t.errors, 1) << f.open << "\n" << t.err.substr(0, 400);
        const std::string line = f.prelude.empty() ? "test.vel:2:" : "test.vel:3:";
        EXPECT_EQ(t.err.rfind(line, 0), 0u) << f.open << "\n" << t.err.substr(0, 400);
        EXPECT_NE(t.err.find("expression nested too deeply"), std::string::npos) << f.open;
        EXPECT_NE(t.php.find("echo 2, \"\\n\";"), std::string::npos) << f.open;
    }
}

// Parentheses around a long flat chain nest as deep as the parentheses: the
// chain's length is no nesting, and PHP runs what comes out.
TEST(Robustness, FlatChainIsNoNesting)
{
    std::string chain = "1";
    for (int i = 1; i < 25000; ++i)
        chain += " + 1";
    std::string folder = makeTempFolder();
    Translation t = translate("print " + repeated("(", 1900) + chain + repeated(")", 1900) + "\n",
                              "test.vel", StartRule::sourceFile, folder + "/test.php");
    EXPECT_EQ(t.errors, 0);
    EXPECT_EQ(t.err, "");
    CommandResult run = runCommand("php -d error_reporting=-1 " + folder + "/test.php");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "25000\n");
    std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

// "<?" in page text never opens PHP code, short tags on or off.
TEST(Robustness, PageTextWithPhpOpenersPrintsAsItStands)
{
    const std::string text = "<?xml version=\"1.0\"?> <?= 1 ?> <?php echo 2; ?> <?";
    std::string folder = makeTempFolder();
    Translation t = translate("{|" + text + "|}\n{|end|}", "page.vel", StartRule::webPage,
                              folder + "/page.php");
    EXPECT_EQ(t.errors, 0);
    for (const char* shortTags : {"Off", "On"}) {
        CommandResult run = runCommand(std::string("php -d short_open_tag=") + shortTags + " " +
                                       folder + "/page.php");
        EXPECT_EQ(run.status, 0) << shortTags;
        EXPECT_EQ(run.out, text + "\nend") << shortTags;
    }
    std::filesystem::remove_all(folder);
}

}  // namespace

namespace {

struct Chain {
    std::string head, step, tail;
};

// A reference chain nests in PHP as deep as it is long (PHP's own parser
// crashes near 45000 joins): its joins and brackets count as nesting. Within
// the limit the chain translates and PHP parses it; past it, one diagnostic,
// and the next line is translated.
TEST(Robustness, ReferenceChainsCountAsNesting)
{
    const std::string prelude =
        "class Node\n   Node next\n   int v\n/class\nNode n = Node()\narray a = [1]\n";
    const Chain chains[] = {
        {"print n", ".next", ".v"},
        {"n", ".next", ".v = 1"},
        {"print a", "[0]", ""},
        {"a", "[0]", " = 1"},
        {"print $x", "[0]", ""},
    };
    for (const Chain& c : chains) {
        std::string folder = makeTempFolder();
        startRun();
        Translation within = translate(prelude + c.head + repeated(c.step, 1900) + c.tail + "\n",
                                       "test.vel", StartRule::sourceFile, folder + "/test.php");
        EXPECT_EQ(within.errors, 0) << c.head << c.step;
        EXPECT_EQ(within.err, "") << c.head << c.step;
        EXPECT_EQ(runCommand("php -l " + folder + "/test.php").status, 0) << c.head << c.step;
        std::filesystem::remove_all(folder);

        startRun();
        Translation beyond =
            translate(prelude + c.head + repeated(c.step, 45000) + c.tail + "\nprint 2\n");
        EXPECT_FALSE(beyond.escaped) << c.head << c.step;
        EXPECT_EQ(beyond.errors, 1) << c.head << c.step << "\n" << beyond.out.substr(0, 300);
        EXPECT_EQ(beyond.err.rfind("test.vel:7:", 0), 0u) << c.head << c.step;
        EXPECT_NE(beyond.err.find("expression nested too deeply"), std::string::npos);
        EXPECT_NE(beyond.php.find("echo 2, \"\\n\";"), std::string::npos) << c.head << c.step;
    }
}

}  // namespace
