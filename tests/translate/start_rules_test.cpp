// What the golden cases cannot show: a target that cannot be opened, the
// state a broken file leaves for the next one, and the token names.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "emit/emit.h"
#include "harness.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {

TEST(StartRules, UnopenableTargetIsACountedDiagnosticAndNothingIsParsed)
{
    for (StartRule rule : {StartRule::sourceFile, StartRule::webPage}) {
        Translation result =
            translate("print 1 +\n", "a.vel", rule, "/nonexistent-folder/a.php");
        EXPECT_FALSE(result.escaped);
        EXPECT_FALSE(result.written);
        EXPECT_TRUE(result.closed);
        EXPECT_EQ(result.out, "a.vel L1: \"/nonexistent-folder/a.php\" can't be opened for writing\n");
        EXPECT_EQ(result.err, "");
        EXPECT_EQ(result.errors, 1);
        EXPECT_EQ(result.lines, 1);
    }
}

TEST(StartRules, EachFileStartsFromACleanState)
{
    const std::string text = "print 1\n\nprint [1] + 2, 6 & 3 = 2\n";
    Translation clean = translate(text);
    ASSERT_EQ(clean.errors, 0);

    // A file that breaks off deep inside an expression (a lexical error
    // leaves every rule at once), then whatever else a rule may leave.
    Translation broken = translate("print (1 + [2, 3 & (4 = %\n");
    EXPECT_EQ(broken.errors, 1);
    pushExpression();
    pushExpression();
    indentLevel = 3;
    newlineState = 2;
    inClass = inFunction = inBlockScope = 1;
    blockDepth = 4;
    pushCallFrame();
    pushLeftType();
    pushIdentifierSlot("x");
    pushNotInFlag();
    assignTargetMode = 1;
    silentCall = 1;
    staticModifier = 128;

    Translation again = translate(text);
    EXPECT_EQ(again.php, clean.php);
    EXPECT_EQ(again.out, clean.out);
    EXPECT_EQ(again.errors, 0);
    EXPECT_EQ(indentLevel, 0);
    EXPECT_EQ(inClass + inFunction + inBlockScope, 0);
    EXPECT_EQ(blockDepth, -1);
    EXPECT_EQ(callDepth, 0);
    EXPECT_TRUE(leftTypeStack.empty());
    EXPECT_EQ(assignTargetMode, 0);
    EXPECT_EQ(silentCall, 0);
    EXPECT_EQ(staticModifier, 0);
}

TEST(ParserState, XmlFlagsShareTheirVariable)
{
    xmlTopLevel = 1;
    EXPECT_EQ(xmlOutermost, 1);
    xmlAttributeWritten = 1;
    EXPECT_EQ(xmlItemWritten, 1);
    xmlElementClosed = 1;
    EXPECT_EQ(xmlChildWritten, 1);
    xmlTopLevel = xmlAttributeWritten = xmlElementClosed = 0;
}

TEST(ParserFrame, TokenNames)
{
    std::istringstream input("");
    VelandroLexer lexer(input);
    VelandroParser parser(lexer);
    EXPECT_EQ(parser.getNumTokens(), 152);
    EXPECT_STREQ(parser.getTokenName(7), "an identifier");
    EXPECT_STREQ(parser.getTokenName(50), "\"if\"");
    EXPECT_STREQ(parser.getTokenName(22), "\"\\\\\"");
    EXPECT_STREQ(parser.getTokenName(151), "REAL_SUFFIX");
    EXPECT_EQ(parser.getTokenName(152), nullptr);
    EXPECT_EQ(parser.getTokenName(153), nullptr);
    EXPECT_EQ(parser.getTokenName(-1), nullptr);
    EXPECT_EQ(parser.getTokenName(-1000000), nullptr);
}

}  // namespace

namespace {

// A handler that returns without consuming anything skips the rest of the
// line, so that its caller never meets the same token forever.
TEST(ParserFrame, HandlerThatConsumedNothingSkipsTheLine)
{
    std::istringstream input("if x 1 2\nprint 3\n");
    VelandroLexer lexer(input);
    VelandroParser parser(lexer);
    antlr::RefToken first = parser.LT(1);
    parser.skipLineIfStuck(first);
    EXPECT_EQ(parser.LA(1), VelandroTokenTypes::EOL);

    parser.consume();
    antlr::RefToken start = parser.LT(1);
    parser.consume();
    parser.skipLineIfStuck(start);  // something was consumed: nothing more
    EXPECT_EQ(parser.LA(1), VelandroTokenTypes::INTEGER);
}

// A file whose input ends inside a class, a function or a block (the
// start rule's handler ends it there) leaves nothing half done for the next
// file: that one translates as it does first in a fresh run. The cut files
// declare names of their own, which the run keeps on purpose.
TEST(StartRules, FileCutShortLeavesNothingForTheNext)
{
    const std::string next = "class Point\n"
                             "   int x = 1\n"
                             "   int sum() return x + 2\n"
                             "/class\n"
                             "int triple(int n)\n"
                             "   int m = n * 3\n"
                             "   return m\n"
                             "Point p\n"
                             "int i = 0\n"
                             "while i < 2\n"
                             "   i = i + 1\n"
                             "   if i + 1\n"
                             "   = 2\n"
                             "      print \"one\"\n"
                             "   else\n"
                             "      array a = [i, 2]\n"
                             "      print triple(p.sum()), a[0]\n"
                             "   /if\n"
                             "/while\n"
                             "for i in 1 .. 2 ? echo i, \" \"\n"
                             "print\n";
    struct Case {
        const char* where;
        const char* text;   // the whole input of the first file
    };
    // Each construct twice: cut between two tokens, where the rules'
    // handlers close what they opened, and inside a text, where the
    // lexer's error leaves every rule at once.
    const Case cases[] = {
        {"class head", "class Shape is"},
        {"class body", "class Shape\n   int side = 2\n"},
        {"class body, in a text", "class Shape\n   text s = \"ab"},
        {"method", "class Shape\n   int side = 2\n   int area()\n      int a = side\n"},
        {"method, in a text", "class Shape\n   int side = 2\n   int area()\n      text a = \"ab"},
        {"extern class", "extern class Remote\n   text name()\n"},
        {"extern class, in a text", "extern class Remote\n   text name(text a = \"x"},
        {"function head", "int twice(int n,"},
        {"function body", "int twice(int n)\n   int m = n * 2\n"},
        {"function body, in a text", "int twice(int n)\n   text m = \"x"},
        {"expression", "int twice(int n)\n   return n * (2 + [n,"},
        {"expression, in a text", "int twice(int n)\n   return n * (2 + [n, \"x"},
        {"call", "void show(int n)\n   print twice(n, "},
        {"if block", "int k = 3\nif k > 1\n   print k\n"},
        {"if block, in a text", "int k = 3\nif k > 1\n   print \"k"},
        {"if in a while, in a text", "int k = 3\nwhile k > 1\n   if k = 2\n      print \"k"},
        {"composite if", "int k = 3\nif k + 1\n= 4\n   print k\n"},
        {"composite if, in a text", "int k = 3\nif k + 1\n= 4\n   print \"k"},
        {"while block", "int w = 0\nwhile w < 3\n   w = w + 1\n"},
        {"for block, in a text", "int f\nfor f in 1 .. 3\n   echo \"f"},
        {"do block", "int d = 0\ndo\n   d = d + 1\n"},
        {"case block, in a text", "int d = 0\ndo\ncase d = 0\n   print \"d"},
        {"xml literal, in a text", "<doc kind=\"memo\">\n<e>\"x"},
    };

    startRun();
    Translation alone = translate(next, "next.vel");
    ASSERT_EQ(alone.errors, 0) << alone.out << alone.err;
    ASSERT_TRUE(alone.closed);

    for (const Case& c : cases) {
        startRun();
        Translation cut = translate(c.text, "cut.vel");
        EXPECT_FALSE(cut.escaped) << c.where;
        Translation after = translate(next, "next.vel");
        EXPECT_EQ(after.php, alone.php) << c.where;
        EXPECT_EQ(after.out, alone.out) << c.where;
        EXPECT_EQ(after.err, alone.err) << c.where;
        EXPECT_EQ(after.errors, alone.errors) << c.where;
        EXPECT_EQ(after.lines, alone.lines) << c.where;
    }
}

// Recovery counts the line ends it skips, and a "#" comment (which holds its
// line end) ends the skip: the lines after a bad one are read again, and
// reported with their own numbers.
TEST(ParserFrame, RecoveryKeepsTheLineCount)
{
    startRun();
    Translation t = translate("int a = 1 # c\n"
                              "print 2 # d\n"
                              "print (1 +\n"
                              "\n"
                              ") 5\n"
                              "k = 1\n"
                              "print 3\n");
    EXPECT_EQ(t.out, "test.vel L1: bad declaration syntax\n"
                     "test.vel L6: \"k\" not declared\n"
                     "test.vel L6: can't assign to unknow type, from integer\n");
    EXPECT_NE(t.err.find("test.vel:2:9: unexpected token: # d"), std::string::npos) << t.err;
    EXPECT_NE(t.php.find("echo 3, \"\\n\";"), std::string::npos) << t.php;
    EXPECT_EQ(t.lines, 8);   // one past the last line
}

}  // namespace

namespace {

std::string nested(const std::string& open, const std::string& inner, const std::string& close,
                   int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += open;
    text += inner;
    for (int i = 0; i < depth; ++i)
        text += close;
    return text;
}

// Nesting costs linear time, and a depth the parser's stack cannot take is a
// counted syntax error, never a crash.
TEST(Expressions, DeepNesting)
{
    struct Case {
        std::string open, inner, close;
    };
    const Case cases[] = {{"(", "1", ")"}, {"[", "1", "]"}, {"int(", "1", ")"},
                          {"{1: ", "1", "}"}, {"not ", "true", ""}};
    for (const Case& c : cases) {
        Translation fine = translate("print " + nested(c.open, c.inner, c.close, 1000) + "\n");
        EXPECT_EQ(fine.errors, 0) << c.open;
        EXPECT_EQ(fine.err, "") << c.open;

        Translation deep = translate("print " + nested(c.open, c.inner, c.close, 100000) + "\n");
        EXPECT_FALSE(deep.escaped) << c.open;
        EXPECT_TRUE(deep.closed) << c.open;
        EXPECT_GE(deep.errors, 1) << c.open;
        EXPECT_NE(deep.err.find("expression nested too deeply"), std::string::npos) << c.open;
    }
}

// PHP's parser recurses for each operator of a chain: a chain it would crash
// on is refused, one it takes is kept, and each statement counts afresh. A
// comparison chain parenthesizes each left operand, so it nests as deep.
TEST(Expressions, LongOperatorChains)
{
    struct Chain {
        const char* op;
        const char* operand;
        int fine;   // terms that translate, twice in a row
    };
    for (const Chain& c : {Chain{"+", "1", 15000}, Chain{"*", "1", 15000},
                           Chain{"and", "true", 15000}, Chain{"=", "true", 1500},
                           Chain{"|", "1", 15000}}) {
        const char* op = c.op;
        auto chain = [&c](int terms) {
            std::string text = std::string("print ") + c.operand;
            for (int i = 1; i < terms; ++i)
                text += std::string(" ") + c.op + " " + c.operand;
            return text + "\n";
        };
        Translation fine = translate(chain(c.fine) + chain(c.fine));
        EXPECT_EQ(fine.errors, 0) << op;
        EXPECT_EQ(fine.err, "") << op;

        Translation long_ = translate(chain(100000));
        EXPECT_GE(long_.errors, 1) << op;
        EXPECT_NE(long_.err.find("expression nested too deeply"), std::string::npos) << op;
    }
}

std::string repeated(const std::string& text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

// Steps of a chain that each enclose what stands before them in PHP (slices
// and "[]" after a name, array "+" and "-", set operators, signs) nest there:
// a chain PHP can parse translates, a longer one is the same counted syntax
// error as deep nesting (PHP's parser gives up near 5000 calls deep).
TEST(Expressions, ChainsThatNestInPhp)
{
    struct Case {
        std::string head, step, tail;
    };
    const Case cases[] = {{"a", "[1..2]", ""},   {"s", "[1..]", ""},  {"a", "[]", ""},
                          {"a", " + [1]", ""},   {"a", " - a", ""},   {"a", " | a", ""},
                          {"a", " ^ [1]", ""},   {"a", " & a", ""},   {"", "- ", "1"}};
    const std::string prelude = "array a = [1, 2, 3]\ntext s = \"abc\"\n";
    for (const Case& c : cases) {
        std::string fine = c.head + repeated(c.step, 1000) + c.tail;
        std::string folder = makeTempFolder();
        startRun();
        Translation within = translate(prelude + "print " + fine + "\n", "test.vel",
                                       StartRule::sourceFile, folder + "/test.php");
        EXPECT_EQ(within.errors, 0) << c.step;
        EXPECT_EQ(within.err, "") << c.step;
        EXPECT_EQ(runCommand("php -l " + folder + "/test.php").status, 0) << c.step;
        std::filesystem::remove_all(folder);

        std::string deep = c.head + repeated(c.step, 5000) + c.tail;
        startRun();
        Translation beyond = translate(prelude + "print " + deep + "\nprint 1\n");
        EXPECT_FALSE(beyond.escaped) << c.step;
        EXPECT_TRUE(beyond.closed) << c.step;
        EXPECT_GE(beyond.errors, 1) << c.step;
        EXPECT_NE(beyond.err.find("expression nested too deeply"), std::string::npos) << c.step;
        EXPECT_NE(beyond.php.find("echo 1, \"\\n\";"), std::string::npos) << c.step;
    }
}

// Forms that name an operand twice (a slice's length counts its container,
// "^" on arrays takes each side twice, a range test its subject, a "[]"
// target its container): a chain of them grows linearly, not by doubling.
TEST(Expressions, RepeatedOperandsInChains)
{
    const std::string prelude = "array a = [1, 2, 3]\ntext s = \"abcdef\"\nint i = 1\nint j = 2\n";
    const std::string chains[] = {"a" + repeated("[i..j]", 16), "s" + repeated("[i..-2]", 16),
                                  "a" + repeated(" ^ a", 16),
                                  repeated("(", 16) + "i" + repeated(" in 0 .. 2)", 16)};
    for (const std::string& chain : chains) {
        std::string folder = makeTempFolder();
        startRun();
        Translation result = translate(prelude + "print " + chain + "\n", "test.vel",
                                       StartRule::sourceFile, folder + "/test.php");
        EXPECT_EQ(result.errors, 0) << chain;
        EXPECT_LT(result.php.size(), 50000u) << chain;
        EXPECT_EQ(runCommand("php -l " + folder + "/test.php").status, 0) << chain;
        std::filesystem::remove_all(folder);
    }

    startRun();
    Translation target = translate(prelude + "a" + repeated("[]", 16) + " = 1\n");
    EXPECT_LT(target.php.size(), 50000u);
    EXPECT_GE(target.errors, 1);
    EXPECT_NE(target.out.find("can't use this feature here"), std::string::npos);
}

}  // namespace
