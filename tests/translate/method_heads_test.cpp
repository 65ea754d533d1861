// The method heads of a class body, read ahead of the parse for the bare
// calls of methods defined further down: what each head gives, and the
// lines that begin none.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "VelandroLexer.hpp"
#include "harness.h"
#include "VelandroParser.hpp"
#include "parser/class_actions.h"
#include "semantic/semantic.h"

namespace {

struct Head {
    std::string name;
    bool isStatic;
    std::vector<int> results;
    std::vector<int> parameters;   // type | 64 default | 128 named | 256 alias
    bool parametersRead;
};

std::vector<Head> headsOf(const std::string& body)
{
    MemoryInput input(body);
    VelandroLexer lexer(input);
    VelandroParser parser(lexer);
    std::vector<Head> heads;
    for (const MethodHead& head : readMethodHeads(*parser.tokensAhead()).heads)
        heads.push_back({head.record->name, head.record->staticMark != 0,
                         head.record->returnTypes, head.record->parameterTypes,
                         head.parametersRead});
    return heads;
}

TEST(MethodHeads, EachHeadGivesItsSignature)
{
    struct Case {
        const char* line;
        Head head;
    };
    const Case cases[] = {
        {"int f()", {"f", false, {5}, {}, true}},
        {"static text g(int a, real b = 1.5)", {"g", true, {10}, {5, 7 | 64}, true}},
        {"private bool h(alias int n, text alias s)", {"h", false, {3}, {5 | 256, 10 | 256}, true}},
        {"int[] k(string s, text[] t, const number x)", {"k", false, {29}, {10, 30, 4}, true}},
        {"int, text two(var v = [1, (2)], dict d)", {"two", false, {5, 10}, {16 | 64, 12}, true}},
        {"void one(int a) return", {"one", false, {1}, {5}, true}},
        {"protected static volatile real r()", {"r", true, {7}, {}, true}},
        {"Other o(Other x, Other[] xs)", {"o", false, {15}, {15, 34}, true}},
        {"int cut(int a, int b = 1 +", {"cut", false, {5}, {5}, false}},
        {"int bad(int a b)", {"bad", false, {5}, {5}, false}},
    };
    for (const Case& c : cases) {
        std::vector<Head> heads = headsOf(std::string("\n") + c.line + "\n/class\n");
        ASSERT_EQ(heads.size(), 1u) << c.line;
        const Head& got = heads[0];
        EXPECT_EQ(got.name, c.head.name) << c.line;
        EXPECT_EQ(got.isStatic, c.head.isStatic) << c.line;
        EXPECT_EQ(got.results, c.head.results) << c.line;
        EXPECT_EQ(got.parameters, c.head.parameters) << c.line;
        EXPECT_EQ(got.parametersRead, c.head.parametersRead) << c.line;
    }
}

TEST(MethodHeads, OnlyLineStartsUpToTheClassEnd)
{
    // the rest of the calling line, statements, declarations and a call
    // that looks like a head in the middle of a line begin no head
    std::vector<Head> heads = headsOf(
        "a) + b(c)\n"
        "   int x = f(1)\n"
        "   print g(2)\n"
        "   return int h(3)\n"
        "   Box b\n"
        "   int later(int a) return a\n"
        "/class\n"
        "int after() return 1\n");
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].name, "later");
}

TEST(MethodHeads, ALexicalErrorAheadIsMetWhereItStands)
{
    // the heads are read past an unended template: the parse still meets
    // its error on its own line, and the method before it is defined
    startRun();
    Translation t = translate("class P\n"
                              "   int f() return later(1)\n"
                              "   int later(int a) return a\n"
                              "   int g() return 1 ` 2\n"
                              "   int h() return 3\n"
                              "/class\n",
                              "t.vel");
    EXPECT_NE(t.php.find("return $this->later(1);"), std::string::npos) << t.php;
    EXPECT_EQ(t.out, "t.vel L4: bad declaration syntax\n");
}

}  // namespace
