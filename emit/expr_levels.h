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
extern std::vector<int> operandMarkStack;
extern std::vector<int> operatorMarkStack;
extern std::vector<int> conversionTargetStack;
extern std::vector<int> leftTypeStack;
extern std::vector<std::string> savedOperandTexts;

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
// operators.
void pushExpressions(int count);
void popExpressionsAppend(int count);
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
