// Control statements where a golden case would be too large or cannot
// show it: blocks nested deeper than the block-scope table, and the skip
// over a statement that is refused.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "VelandroTokenTypes.hpp"
#include "harness.h"
#include "parser/statement_actions.h"
#include "semantic/semantic.h"

namespace {

std::string nested(int depth, const std::string& open, const std::string& body,
                   const std::string& close)
{
    std::string text = "int x = 1\n";
    for (int i = 0; i < depth; ++i)
        text += open + "\n";
    text += body + "\n";
    for (int i = 0; i < depth; ++i)
        text += close + "\n";
    return text + "print \"after\"\n";
}

TEST(ControlNesting, BlocksDeeperThanTheTableAreOneDiagnostic)
{
    struct Case {
        const char* open;
        const char* close;
    };
    const std::vector<Case> cases = {
        {"if x = 1", "/if"},
        {"while x = 1", "/while"},
        {"for x in 1 .. 2", "/for"},
        {"do", "/do until x = 1"},
        {"try", "/try"},
        {"error", "/error"},
    };
    for (const Case& c : cases) {
        startRun();
        Translation result = translate(nested(5000, c.open, "print x", c.close));
        EXPECT_FALSE(result.escaped) << c.open;
        EXPECT_EQ(result.errors, 1) << c.open;
        EXPECT_EQ(result.out, "test.vel L" + std::to_string(maxBlockDepth + 2 - (c.open[0] == 'd'))
                                  + ": too many nested blocks\n")
            << c.open;
        EXPECT_EQ(result.err, "") << c.open;
        // the lines after the skipped statement are translated, counted
        EXPECT_NE(result.php.find("echo \"after\", \"\\n\";"), std::string::npos) << c.open;
        EXPECT_EQ(result.lines, 10004) << c.open;
    }
}

TEST(ControlNesting, DeepBlocksWithinTheTableTranslate)
{
    startRun();
    Translation result = translate(nested(120, "if x = 1", "print x", "/if"));
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.php.find(std::string(120 * 3, ' ') + "echo $x, \"\\n\";"), std::string::npos);
}

// A deep statement that never closes holds the rest of the code: it is
// skipped to the end, reported once (the statements around it then miss
// their ends, each reported as a statement of its own).
TEST(ControlNesting, AnUnclosedDeepStatementIsOneDiagnostic)
{
    startRun();
    Translation result = translate(nested(300, "if x = 1", "print x", "") + "print \"end\"\n");
    EXPECT_FALSE(result.escaped);
    EXPECT_GE(result.errors, 1);
    const std::string report = "test.vel L130: too many nested blocks\n";
    EXPECT_EQ(result.out.find(report), 0u);
    EXPECT_EQ(result.out.find(report, 1), std::string::npos);
}

TEST(ControlNesting, StatementsOfABlockCountTheirOperatorsEachAlone)
{
    // 50 lines of 1000 operators in one loop: each statement's expression is
    // far from the limit of one expression
    std::string sum = "1";
    for (int i = 0; i < 1000; ++i)
        sum += "+1";
    std::string text = "int x = 0\nwhile x < 1\n";
    for (int i = 0; i < 50; ++i)
        text += "   x = " + sum + "\n";
    text += "/while\n";
    startRun();
    Translation result = translate(text);
    EXPECT_EQ(result.errors, 0);
    EXPECT_EQ(result.err, "");
}

// The skip works on token types alone.
struct Tokens {
    std::vector<int> types;
    size_t at = 0;
    long long looked = 0;   // the cursor's looks ahead, for the tests of their cost
    TokenCursor cursor()
    {
        TokenCursor c;
        c.la = [this](int i) {
            ++looked;
            size_t k = at + static_cast<size_t>(i) - 1;
            return k < types.size() ? types[k] : 1;
        };
        c.consume = [this]() { ++at; };
        c.lineEnds = [this]() { return types[at] == VelandroTokenTypes::EOL ? 1 : 0; };
        return c;
    }
};

TEST(ControlNesting, SkipFollowsTheForms)
{
    using T = VelandroTokenTypes;
    const int id = T::ID, eol = T::EOL;
    struct Case {
        const char* what;
        std::vector<int> types;
        size_t stopsAt;   // index of the first token left
    };
    const std::vector<Case> cases = {
        {"one-line if", {T::LITERAL_if, id, T::QUESTION, T::LITERAL_print, id, eol, id}, 5},
        {"block if", {T::LITERAL_if, id, eol, T::LITERAL_print, id, eol, T::SLASHIF, eol, id}, 7},
        {"nested one-line in block",
         {T::LITERAL_if, id, eol, T::LITERAL_if, id, T::QUESTION, T::LITERAL_break, eol,
          T::SLASHIF, eol},
         9},
        {"block while ended by its step",
         {T::LITERAL_while, id, eol, id, eol, T::LITERAL_let, id, T::EQUAL, id, eol, id}, 9},
        {"one-line while and its step",
         {T::LITERAL_while, id, T::QUESTION, T::LITERAL_break, eol, T::LITERAL_let, id, eol, id},
         7},
        {"do with a case and a tail",
         {T::LITERAL_do, eol, T::LITERAL_case, id, eol, id, eol, T::SLASHDO, T::LITERAL_until, id,
          eol},
         10},
        {"block with a colon",
         {T::LITERAL_for, id, T::COLON, T::LITERAL_print, id, eol, T::SLASHFOR, eol}, 7},
        {"unclosed block: up to the end", {T::LITERAL_if, id, eol, id, eol}, 5},
        {"a closer of an enclosing block stops it",
         {T::LITERAL_if, id, eol, id, eol, T::SLASHFOR, eol}, 5},
        {"a second header decided by the first one's line",
         {T::LITERAL_if, id, T::SEMI, T::LITERAL_if, id, T::QUESTION, T::LITERAL_print, id, eol,
          id},
         8},
    };
    for (const Case& c : cases) {
        Tokens tokens{c.types};
        lineNumber = 1;
        skipCompoundStatement(tokens.cursor());
        EXPECT_EQ(tokens.at, c.stopsAt) << c.what;
        int lines = 1;
        for (size_t i = 0; i < tokens.at; ++i)
            lines += c.types[i] == eol;
        EXPECT_EQ(lineNumber, lines) << c.what;
    }
}

// The skip of a statement nested too deeply is one pass, whatever the
// length of its block: blocks deeper still inside it are passed once.
TEST(ControlNesting, SkipIsOnePassOverAnyLength)
{
    using T = VelandroTokenTypes;
    std::vector<int> types = {T::LITERAL_if, T::ID, T::EOL};
    for (int i = 0; i < 100000; ++i)
        types.insert(types.end(), {T::LITERAL_while, T::ID, T::EOL});
    types.insert(types.end(), 300000, T::ID);
    for (int i = 0; i < 100000; ++i)
        types.insert(types.end(), {T::SLASHWHILE, T::EOL});
    types.insert(types.end(), {T::SLASHIF, T::EOL, T::ID});
    Tokens tokens{types};
    skipCompoundStatement(tokens.cursor());
    EXPECT_EQ(tokens.at, types.size() - 2);
    // a few looks a token, not a look over the rest for every header
    EXPECT_LT(tokens.looked, 10 * static_cast<long long>(types.size()));
}

// Faulty headers whose blocks never close: each one's skip finds no end
// and takes its line only. After the first has looked to the end, the
// others look a short way: time linear in their number, not quadratic.
TEST(ControlNesting, SkipsOfManyUnclosedStatementsStayLinear)
{
    using T = VelandroTokenTypes;
    const int headers = 20000;
    std::vector<int> types;
    for (int i = 0; i < headers; ++i)
        types.insert(types.end(), {T::LITERAL_if, T::ID, T::EOL});
    Tokens tokens{types};
    TokenCursor cursor = tokens.cursor();
    resetSkipState();
    for (int i = 0; i < headers; ++i) {
        cursor.consume();   // the header's keyword, read by the statement
        skipBlockAfterHeader(cursor, T::LITERAL_if);
        ASSERT_EQ(tokens.at, static_cast<size_t>(3 * i + 2));
        cursor.consume();   // the line end, read by the caller
    }
    EXPECT_LT(tokens.looked, 10000LL * headers);
}

TEST(ControlNesting, CaseSkipStopsAtTheNextCase)
{
    using T = VelandroTokenTypes;
    const int id = T::ID, eol = T::EOL;
    Tokens tokens{{id, id, eol, T::LITERAL_if, id, eol, T::LITERAL_case, eol, T::SLASHIF, eol,
                   T::LITERAL_case, id}};
    skipCaseBlock(tokens.cursor());
    EXPECT_EQ(tokens.at, 10u);
}

}  // namespace
