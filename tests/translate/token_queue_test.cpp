// The parser's token queue: the lexer's direct path keeps no token object,
// so LT(i) makes one; it must stay the one token while the parser can come
// back to it, keep its text as long as anything holds it, and the lexical
// errors must reach the parser as before.
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <antlr/RecognitionException.hpp>
#include <antlr/TokenStreamRecognitionException.hpp>
#include <gtest/gtest.h>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"

namespace {

using antlr::RefToken;

// The parser with its guessing depth in reach.
class Probe : public VelandroParser {
public:
    using VelandroParser::VelandroParser;
    void guess(int depth) { inputState->guessing = depth; }
};

std::string describe(const RefToken& t)
{
    return std::to_string(t->getType()) + " [" + t->getText() + "] " +
           std::to_string(t->getLine()) + ":" + std::to_string(t->getColumn());
}

// A long stretch read ahead (a guess over a long line) and then consumed
// costs the queue a few moves a token, not a move of the rest for every few
// tokens consumed.
TEST(TokenQueue, ConsumingALongLookAheadIsLinear)
{
    const int tokens = 200000;
    std::string text;
    for (int i = 0; i < tokens; ++i)
        text += "[0]";
    MemoryInput input(text);
    VelandroLexer lexer(input);
    Probe parser(lexer);
    unsigned int mark = parser.mark();
    EXPECT_EQ(parser.LA(3 * tokens), VelandroTokenTypes::RIGHTSQUARE);
    parser.rewind(mark);
    for (int i = 0; i < 3 * tokens; ++i)
        parser.consume();
    EXPECT_EQ(parser.LA(1), antlr::Token::EOF_TYPE);
    EXPECT_LT(parser.movedTokens(), static_cast<size_t>(4 * 3 * tokens));
}

TEST(TokenQueue, OneTokenObjectWhileHeldAndAfterRewind)
{
    MemoryInput input("print a1, \"s\"\n  x := 2.5\n");
    VelandroLexer lexer(input);
    Probe parser(lexer);
    RefToken print = parser.LT(1);
    EXPECT_EQ(parser.LT(1).get(), print.get());
    EXPECT_EQ(describe(print), std::to_string(VelandroTokenTypes::LITERAL_print) + " [print] 1:1");
    RefToken name = parser.LT(2);
    EXPECT_EQ(describe(name), std::to_string(VelandroTokenTypes::ID) + " [a1] 1:7");

    unsigned int mark = parser.mark();
    parser.consume();
    EXPECT_EQ(parser.LT(1).get(), name.get());
    parser.consume();
    RefToken comma = parser.LT(1);
    parser.consume();
    parser.rewind(mark);
    EXPECT_EQ(parser.LT(1).get(), print.get());
    EXPECT_EQ(parser.LT(3).get(), comma.get());
    for (int i = 0; i < 4; ++i)
        parser.consume();
    EXPECT_EQ(parser.LA(1), VelandroTokenTypes::EOL);
    EXPECT_EQ(describe(parser.LT(2)), std::to_string(VelandroTokenTypes::ID) + " [x] 2:3");
    EXPECT_EQ(describe(parser.LT(3)), std::to_string(VelandroTokenTypes::EQIF) + " [:=] 2:5");
    EXPECT_EQ(describe(parser.LT(4)),
              std::to_string(VelandroTokenTypes::REAL_LITERAL) + " [2.5] 2:8");
}

// The pool hands its tokens out again in turn: one the parser still holds
// is left alone, and keeps its text after the lexer and its input are gone.
TEST(TokenQueue, HeldTokensOutliveThePoolAndTheInput)
{
    std::string text;
    for (int i = 0; i < 300; ++i)
        text += "n" + std::to_string(i) + " ";
    std::vector<RefToken> held;
    {
        MemoryInput input(text);
        VelandroLexer lexer(input);
        Probe parser(lexer);
        for (int i = 0; i < 300; ++i) {
            if (i % 7 == 0)
                held.push_back(parser.LT(1));
            EXPECT_EQ(parser.LT(1)->getText(), "n" + std::to_string(i));
            parser.consume();
        }
        EXPECT_EQ(parser.LA(1), antlr::Token::EOF_TYPE);
    }
    for (size_t k = 0; k < held.size(); ++k)
        EXPECT_EQ(held[k]->getText(), "n" + std::to_string(k * 7));
}

// An input read through the runtime's own buffer gives the same tokens.
TEST(TokenQueue, StreamInputGivesTheSameTokens)
{
    const std::string text = "if a <= 3 and b != 'x'\n\t/if\n";
    MemoryInput memory(text);
    VelandroLexer fromMemory(memory);
    Probe first(fromMemory);
    std::istringstream stream(text);
    VelandroLexer fromStream(stream);
    Probe second(fromStream);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(describe(first.LT(1)), describe(second.LT(1))) << "token " << i;
        first.consume();
        second.consume();
    }
    EXPECT_EQ(first.LA(1), antlr::Token::EOF_TYPE);
}

// A lexical error is the lexer's own, unless the parser is guessing: then
// it is a failed match, and the parse itself meets the error again.
TEST(TokenQueue, LexicalErrorWhileGuessingIsARecognitionFailure)
{
    MemoryInput input("a\n  %");
    VelandroLexer lexer(input);
    lexer.setFilename("p.vel");
    Probe parser(lexer);
    EXPECT_EQ(parser.LA(2), VelandroTokenTypes::EOL);
    parser.guess(1);
    try {
        parser.LA(3);
        FAIL() << "no error";
    } catch (const antlr::TokenStreamRecognitionException&) {
        FAIL() << "the lexer's error escaped a guess";
    } catch (const antlr::RecognitionException& e) {
        EXPECT_EQ(e.getLine(), 2);
        EXPECT_EQ(e.getColumn(), 3);
    }
    parser.guess(0);
    try {
        parser.LA(3);
        FAIL() << "no error";
    } catch (const antlr::TokenStreamRecognitionException& e) {
        EXPECT_EQ(e.toString(), "p.vel:2:3: unexpected char: '%'");
    }
    EXPECT_EQ(parser.LA(1), VelandroTokenTypes::ID);
}

}  // namespace
