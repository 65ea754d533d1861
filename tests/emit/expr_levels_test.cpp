#include "emit_fixture.h"

namespace {

using EmitExprLevels = EmitTest;

TEST_F(EmitExprLevels, NestedLevelsAppendToTheLevelBelow)
{
    exprAppend("$x=");
    pushExpression();
    exprAppend("$a+$b");
    popExpressionParenthesized();
    exprAppendChar('*');
    exprAppendChar(0);
    pushExpression();
    exprAppendText("2");
    popExpressionAppend();
    EXPECT_EQ(exprLevel, 0);
    EXPECT_EQ(currentExpression(), "$x=($a+$b)*2");
    EXPECT_EQ(exprLength(), 12);
}

// Deep nesting stays linear: a level closing into an empty parent hands
// over its text, it is not copied (each closing copied the whole text, in
// time and memory quadratic in the nesting).
TEST_F(EmitExprLevels, ClosedLevelMovesIntoAnEmptyParent)
{
    const std::string inner(1000, 'a');
    pushExpression();
    pushExpression();
    exprAppend(inner);
    const char* buffer = exprText[exprLevel].data();
    popExpressionAppend();
    EXPECT_EQ(exprText[exprLevel].data(), buffer);
    popExpressionParenthesized();
    EXPECT_EQ(exprLevel, 0);
    EXPECT_EQ(currentExpression(), "(" + inner + ")");

    // A parent with text of its own keeps it in front.
    resetExpressions();
    exprAppend("$x=");
    pushExpression();
    exprAppend("1");
    popExpressionAppend();
    EXPECT_EQ(currentExpression(), "$x=1");
}

// A long left operand saved for a list operator ("|", "&", "^") and taken
// back is handed over, not copied: a chain of them copied its whole text at
// each operator.
TEST_F(EmitExprLevels, SavedLeftOperandIsHandedOver)
{
    exprAppend(std::string(1000, 'b'));
    const char* buffer = exprText[exprLevel].data();
    saveLeftOperand();
    EXPECT_EQ(currentExpression(), "");
    std::string left = restoreLeftOperandText();
    EXPECT_EQ(left.data(), buffer);
    exprAppend(std::move(left));
    EXPECT_EQ(exprText[exprLevel].data(), buffer);
    EXPECT_EQ(popLeftType(), currentType);
}

TEST_F(EmitExprLevels, MarksAreKeptPerLevel)
{
    exprAppend("$a");
    markOperandStart();
    exprAppend("+");
    markOperatorPosition();
    EXPECT_EQ(charAtOperatorMark(), 0);   // the mark stands at the end
    setCharAtOperatorMark('-');
    EXPECT_EQ(currentExpression(), "$a+");
    operatorMark = 2;
    EXPECT_EQ(charAtOperatorMark(), '+');
    setCharAtOperatorMark('-');
    conversionTarget = 7;

    pushExpression();
    EXPECT_EQ(currentExpression(), "");
    exprAppend("zz");
    markOperatorPosition();
    conversionTarget = 3;
    popExpressionAppend();

    EXPECT_EQ(operatorMark, 2);
    EXPECT_EQ(operandMark, 2);
    EXPECT_EQ(conversionTarget, 7);
    insertAtOperandMark("(int)");
    EXPECT_EQ(currentExpression(), "$a(int)-zz");
    exprInsertAt(0, "[");
    exprInsertAt(99, "never");
    exprInsertAt(exprLength(), "never");
    EXPECT_EQ(currentExpression(), "[$a(int)-zz");
}

TEST_F(EmitExprLevels, InsertAtOperandMarkAfterClearStaysInside)
{
    exprAppend("abcdef");
    markOperandStart();
    clearExpression();
    exprAppend("ab");
    insertAtOperandMark("X");
    EXPECT_EQ(currentExpression(), "abX");
}

TEST_F(EmitExprLevels, UnderflowsAreReportedAndCounted)
{
    std::string text = diagnostics([] { popExpression(); });
    EXPECT_EQ(text,
              "Internal error [0] line 1\nt.vel L1: stack underflow in expression\n"
              "Internal error [0] line 1\nt.vel L1: stack underflow in expression stack\n");
    EXPECT_EQ(errorCount, 4);
    EXPECT_EQ(exprLevel, 0);

    text = diagnostics([] { EXPECT_EQ(popLeftType(), 0); });
    EXPECT_EQ(text, "Internal error [0] line 1\nt.vel L1: stack underflow in left type\n");
    text = diagnostics([] { popExpressionLevel(); });
    EXPECT_EQ(text, "Internal error [0] line 1\nt.vel L1: stack underflow in expression\n");
    text = diagnostics([] { EXPECT_EQ(restoreLeftOperandText(), ""); });
    EXPECT_EQ(text, "");
}

TEST_F(EmitExprLevels, PushExpressionLevelLeavesTheMarks)
{
    operandMark = 4;
    pushExpressionLevel();
    exprAppend("x");
    markOperandStart();
    popExpressionLevel();
    EXPECT_EQ(operandMark, 1);
    EXPECT_EQ(exprStateDepth, 0);
}

TEST_F(EmitExprLevels, LeftOperandsWaitForTheRightOne)
{
    exprAppend("$a");
    currentType = 11;
    saveLeftOperand();
    EXPECT_EQ(currentExpression(), "");
    currentType = 5;
    pushLeftType();
    EXPECT_EQ(popLeftType(), 5);
    EXPECT_EQ(popLeftType(), 11);
    EXPECT_EQ(restoreLeftOperandText(), "$a");
}

TEST_F(EmitExprLevels, TypesOfLevels)
{
    currentType = 10;
    setExprType();
    pushExpression();
    currentType = 11;
    setExprType();
    EXPECT_EQ(exprTypeAt(0), 10);
    EXPECT_EQ(exprTypeAt(1), 11);
    EXPECT_EQ(exprTypeAt(-1), 0);
    EXPECT_EQ(exprTypeAt(1 << 20), 0);
}

// Nesting far beyond 128 levels (a thousand parentheses) stays defined.
TEST_F(EmitExprLevels, DeepNestingGrows)
{
    const int depth = 3000;
    for (int i = 0; i < depth; ++i) {
        exprAppend("f(");
        currentType = 5;
        pushLeftType();
        pushExpression();
        markOperandStart();
    }
    exprAppend("1");
    for (int i = 0; i < depth; ++i) {
        popExpressionAppend();
        exprAppend(")");
        EXPECT_EQ(popLeftType(), 5);
    }
    EXPECT_EQ(exprLevel, 0);
    EXPECT_EQ(exprStateDepth, 0);
    EXPECT_EQ(currentExpression().size(), static_cast<size_t>(depth * 3 + 1));
    EXPECT_EQ(errorCount, 0);
}

}  // namespace
