#include "emit_fixture.h"

#include <functional>
#include <vector>

namespace {

using EmitOutput = EmitTest;

struct NewlineCase {
    const char* name;
    std::vector<std::function<void()>> calls;
    int startState;
    const char* text;
    int state;
};

TEST_F(EmitOutput, NewlineStateNeverGivesTwoEmptyLines)
{
    const std::vector<NewlineCase> cases = {
        {"once inside a line", {emitNewlineOnce}, 0, "\n", 1},
        {"once at a line start", {emitNewlineOnce}, 1, "", 1},
        {"once after a brace", {emitOpenBrace, emitNewlineOnce}, 0, "\n{\n", 2},
        {"blank after close brace", {emitCloseBrace, emitBlankLine}, 0, "}\n\n", 2},
        {"second blank writes nothing", {emitCloseBrace, emitBlankLine, emitBlankLine}, 0,
         "}\n\n", 2},
        {"blank after a brace", {emitOpenBrace, emitBlankLine}, 0, "\n{\n", 2},
        {"statement end", {endStatement, emitNewlineOnce}, 0, ";\n", 1},
        {"call end", {endCallStatement, emitBlankLine, emitNewlineOnce}, 0, ");\n\n", 2},
        {"newline always writes", {emitNewline, emitNewline}, 2, "\n\n", 1},
        {"semicolon newline keeps state", {emitSemicolonNewline}, 0, ";\n", 0},
        {"indent starts a line", {emitNewline, emitIndent, emitNewlineOnce}, 1, "\n\n", 1},
    };
    for (const NewlineCase& c : cases) {
        SetUp();
        newlineState = c.startState;
        for (const auto& call : c.calls)
            call();
        EXPECT_EQ(output(), c.text) << c.name;
        EXPECT_EQ(newlineState, c.state) << c.name;
        TearDown();
    }
}

TEST_F(EmitOutput, IndentationIsThreeBlanksALevel)
{
    indentLevel = 2;
    emitOpenBrace();
    emitIndented("x;\n");
    emitCloseBrace();
    EXPECT_EQ(output(), "\n      {\n      x;\n      }\n");
}

TEST_F(EmitOutput, IndentDeltaAndNegativeLevels)
{
    indentLevel = 1;
    emitIndentDelta(-1);
    EXPECT_EQ(output(), "");
    indentLevel = 3;
    newlineState = 2;
    emitIndentDelta(-1);
    EXPECT_EQ(output(), "      ");
    EXPECT_EQ(newlineState, 2);
    indentLevel = -2;
    emitIndent();
    emitIndented("a");
    EXPECT_EQ(output(), "      a");
}

TEST_F(EmitOutput, IfAndElseHeads)
{
    indentLevel = 1;
    exprAppend("$a>1");
    emitIfHead();
    EXPECT_EQ(output(), "if($a>1)\n   {\n");
    EXPECT_EQ(newlineState, 2);
    pushExpression();
    emitElseHead();
    EXPECT_EQ(output(), "if($a>1)\n   {\nelse\n   {\n");
    EXPECT_EQ(exprLevel, 0);
    EXPECT_EQ(currentExpression(), "");
}

TEST_F(EmitOutput, SmallWriters)
{
    emitText("a");
    emitText(std::string("b"));
    emitChar('c');
    emitString("d");
    emitLine("e");
    emitInt(-42);
    emitOpenParen();
    emitCloseParen();
    emitAssignChar();
    emitSemicolon();
    emitComma();
    headerLines = {"x", "y"};
    emitHeaderLines();
    headerLines.clear();
    EXPECT_EQ(output(), "abcde\n-42()=;,xy");
}

TEST_F(EmitOutput, NoOpenFileWritesNothingAndFailedOpenIsDetected)
{
    std::fclose(outputFile);
    outputFile = nullptr;
    emitText("lost");
    emitOpenBrace();
    EXPECT_EQ(newlineState, 2);
    emitIndented("x");
    EXPECT_EQ(newlineState, 0);
    EXPECT_FALSE(openOutputFile("/nonexistent-dir/x.php"));
    EXPECT_EQ(outputFile, nullptr);

    std::string name = ::testing::TempDir() + "velp_output_test.php";
    ASSERT_TRUE(openOutputFile(name));
    emitText("<?php\n");
    closeOutputFile();
    EXPECT_EQ(outputFile, nullptr);
    FILE* written = std::fopen(name.c_str(), "rb");
    ASSERT_NE(written, nullptr);
    char text[16] = {};
    EXPECT_EQ(std::fread(text, 1, sizeof text, written), 6u);
    std::fclose(written);
    std::remove(name.c_str());
    EXPECT_STREQ(text, "<?php\n");
}

}  // namespace
