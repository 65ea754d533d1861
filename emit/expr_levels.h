// Expression-text levels: the PHP text and type of each nested expression,
// the operand/operator marks, and the left-operand stacks of the operators.
// The level arrays grow as needed, so any nesting depth is safe.
#pragma once

#include <string>
#include <vector>

#include "emit/state.h"

extern std::vector<std::string> exprText;   // text of each level (index exprLevel is current)
extern std::vector<int> exprType;           // type code of each level
extern int exprLevel;
extern int operandMark;
extern int operatorMark;
extern int conversionTarget;
extern int exprStateDepth;
// The marks a pushed level saved, put back when it is popped.
struct ExpressionState {
    int operandMark, operatorMark, conversionTarget;
};
extern std::vector<ExpressionState> expressionStates;
extern std::vector<int> leftTypeStack;
extern std::vector<std::string> savedOperandTexts;

// A new run: the levels as they are at the start, each empty, of type 0.
void resetExpressionLevels();

void exprAppend(const std::string& text);
void exprAppend(std::string&& text);
void exprAppendText(const char* text);
void exprAppendChar(char c);
void exprAppendNewline();
void exprAppendOpenParen();
void exprAppendCloseParen();
void exprAppendComma();
int exprLength();
std::string currentExpression();
void clearExpression();
void emitCurrentExpression();
void setExprType();
int exprTypeAt(int level);
void markOperandStart();
void markOperatorPosition();
char charAtOperatorMark();
void setCharAtOperatorMark(char c);
void insertAtOperandMark(const std::string& text);
void exprInsertAt(int position, const std::string& text);

void resetExpressions();
void pushExpression();
void popExpression();
void pushExpressionLevel();
void popExpressionLevel();
void popExpressionAppend();
// `count` levels at once, as many pushExpression and popExpressionAppend
// calls would: an operator chain opens one level for each of its bit
// operators, for every operand chain, so the common case is inline.
void pushExpressions(int count);
void popExpressionsAppend(int count);
// Their rare parts: room for `levels` levels and `depth` saved states; the
// popping one level at a time; a popped level's text handed to its parent.
void reserveLevels(int levels, int depth);
void popExpressionsAppendEach(int count);
void appendPoppedLevel(std::string& text, std::string& parent);
void popExpressionParenthesized();
void pushExpressionState();
void popExpressionState();
void pushLeftType();
int popLeftType();
void saveLeftOperand();
std::string restoreLeftOperandText();

// The expression state a rule found on entry. A rule left through its error
// handler can leave levels pushed and operator stacks filled; the scope puts
// the level and what belongs to it back when the rule ends deeper than it
// began, so positions recorded on a level are only ever applied to it.
// Every expression has one: the common case, nothing left behind, costs a
// few comparisons.
class ExpressionLevelScope {
public:
    ExpressionLevelScope()
        : level_(exprLevel), stateDepth_(exprStateDepth), operandMark_(operandMark),
          operatorMark_(operatorMark), conversionTarget_(conversionTarget),
          leftTypes_(leftTypeStack.size()), savedTexts_(savedOperandTexts.size()),
          listOperators_(listOperatorStack.size())
    {
    }
    ~ExpressionLevelScope()
    {
        if (exprLevel > level_ || exprStateDepth > stateDepth_ || leftTypeStack.size() > leftTypes_ ||
            savedOperandTexts.size() > savedTexts_ || listOperatorStack.size() > listOperators_)
            restore();
    }
    ExpressionLevelScope(const ExpressionLevelScope&) = delete;
    ExpressionLevelScope& operator=(const ExpressionLevelScope&) = delete;

private:
    void restore();

    int level_, stateDepth_, operandMark_, operatorMark_, conversionTarget_;
    size_t leftTypes_, savedTexts_, listOperators_;
};

inline void pushExpressions(int count)
{
    const int level = exprLevel, depth = exprStateDepth;
    if (exprText.size() <= static_cast<size_t>(level + count) ||
        expressionStates.size() < static_cast<size_t>(depth + count))
        reserveLevels(level + count, depth + count);
    // Copied first: the text stores go through char pointers, which may
    // alias the marks.
    const ExpressionState state = {operandMark, operatorMark, conversionTarget};
    std::string* text = exprText.data() + level + 1;
    ExpressionState* saved = expressionStates.data() + depth;
    for (int i = 0; i < count; ++i) {
        saved[i] = state;
        text[i].clear();
    }
    exprLevel = level + count;
    exprStateDepth = depth + count;
}

inline void popExpressionsAppend(int count)
{
    // Levels in between with no text of their own pass the top one's text
    // straight down.
    const int level = exprLevel, depth = exprStateDepth;
    bool direct = level >= count && depth >= count;
    std::string* texts = exprText.data();
    for (int between = level - count + 1; direct && between < level; ++between)
        direct = texts[between].empty();
    if (!direct) {
        popExpressionsAppendEach(count);
        return;
    }
    exprLevel = level - count;
    exprStateDepth = depth - count;
    const ExpressionState& state = expressionStates[depth - count];
    operandMark = state.operandMark;
    operatorMark = state.operatorMark;
    conversionTarget = state.conversionTarget;
    if (!texts[level].empty())
        appendPoppedLevel(texts[level], texts[level - count]);
}
