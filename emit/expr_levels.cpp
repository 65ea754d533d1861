#include "emit/expr_levels.h"

#include "emit/output.h"
#include "emit/state.h"
#include "semantic/messages.h"

namespace {
const size_t initialLevels = 128;
}

std::vector<std::string> exprText(initialLevels);
std::vector<int> exprType(initialLevels, 0);
int exprLevel = 0;
int operandMark = 0;
int operatorMark = 0;
int conversionTarget = 0;
int exprStateDepth = 0;
std::vector<ExpressionState> expressionStates;
std::vector<int> leftTypeStack;
std::vector<std::string> savedOperandTexts;

void resetExpressionLevels()
{
    exprText.assign(initialLevels, std::string());
    exprType.assign(initialLevels, 0);
    exprLevel = 0;
    operandMark = 0;
    operatorMark = 0;
    conversionTarget = 0;
    exprStateDepth = 0;
    expressionStates.clear();
    leftTypeStack.clear();
    savedOperandTexts.clear();
}

// Makes sure the level `level` exists in both arrays.
static void reserveLevel(int level)
{
    size_t needed = static_cast<size_t>(level) + 1;
    if (exprText.size() < needed) {
        size_t size = exprText.size() * 2;
        if (size < needed)
            size = needed;
        exprText.resize(size);
        exprType.resize(size, 0);
    }
}

static std::string& current()
{
    return exprText[exprLevel];
}

void exprAppend(const std::string& text) { current() += text; }

// A text built for the level is taken whole when the level is empty.
void exprAppend(std::string&& text)
{
    std::string& level = current();
    if (level.empty())
        level.swap(text);
    else
        level += text;
}

void exprAppendText(const char* text)
{
    if (text)
        current() += text;
}

void exprAppendChar(char c)
{
    if (c != 0)
        current() += c;
}

void exprAppendNewline() { current() += '\n'; }
void exprAppendOpenParen() { current() += '('; }
void exprAppendCloseParen() { current() += ')'; }
void exprAppendComma() { current() += ','; }
int exprLength() { return static_cast<int>(current().size()); }
std::string currentExpression() { return current(); }
void clearExpression() { current().clear(); }
void emitCurrentExpression() { emitString(current()); }
void setExprType() { exprType[exprLevel] = currentType; }

int exprTypeAt(int level)
{
    if (level < 0 || static_cast<size_t>(level) >= exprType.size())
        return 0;
    return exprType[level];
}

void markOperandStart() { operandMark = exprLength(); }
void markOperatorPosition() { operatorMark = exprLength(); }

char charAtOperatorMark()
{
    const std::string& text = current();
    if (operatorMark < 0 || static_cast<size_t>(operatorMark) >= text.size())
        return 0;
    return text[operatorMark];
}

void setCharAtOperatorMark(char c)
{
    std::string& text = current();
    if (operatorMark >= 0 && static_cast<size_t>(operatorMark) < text.size())
        text[operatorMark] = c;
}

void insertAtOperandMark(const std::string& text)
{
    std::string& level = current();
    // The mark was taken from this level's length, but a cleared level can
    // be shorter since: never insert past the end.
    size_t at = operandMark < 0 ? 0 : static_cast<size_t>(operandMark);
    if (at > level.size())
        at = level.size();
    level.insert(at, text);
}

void exprInsertAt(int position, const std::string& text)
{
    std::string& level = current();
    if (position >= 0 && static_cast<size_t>(position) < level.size())
        level.insert(static_cast<size_t>(position), text);
}

void resetExpressions()
{
    exprLevel = 0;
    exprText[0].clear();
    exprStateDepth = 0;
}

void pushExpression()
{
    ++exprLevel;
    reserveLevel(exprLevel);
    current().clear();
    pushExpressionState();
}

void popExpression()
{
    if (exprLevel == 0)
        stackUnderflowError("expression");
    else
        --exprLevel;
    popExpressionState();
}

void pushExpressionLevel()
{
    ++exprLevel;
    reserveLevel(exprLevel);
    current().clear();
}

void popExpressionLevel()
{
    if (exprLevel == 0)
        stackUnderflowError("expression");
    else
        --exprLevel;
}

// A closed level's text is moved into its parent, not copied: an empty
// parent (the usual case, a nested operand on a level of its own) takes the
// text whole, so deep nesting costs no more than the text once.
static void appendClosedLevel(std::string& text)
{
    std::string& parent = current();
    if (parent.empty())
        parent.swap(text);
    else
        parent += text;
}

void popExpressionAppend()
{
    if (exprLevel == 0) {
        std::string text = std::move(current());
        popExpression();
        appendClosedLevel(text);
        return;
    }
    // The closed level keeps its storage for the next one opened there;
    // a short text is copied, a long one handed over whole.
    std::string& text = current();
    popExpression();
    std::string& parent = current();
    if (text.empty())
        return;
    if (parent.empty() && text.size() > 15)
        parent.swap(text);
    else
        parent += text;
    text.clear();
}

void reserveLevels(int levels, int depth)
{
    reserveLevel(levels);
    if (expressionStates.size() < static_cast<size_t>(depth))
        expressionStates.resize(depth);
}

void popExpressionsAppendEach(int count)
{
    for (int i = 0; i < count; ++i)
        popExpressionAppend();
}

void appendPoppedLevel(std::string& text, std::string& parent)
{
    if (parent.empty() && text.size() > 15)
        parent.swap(text);
    else
        parent += text;
    text.clear();
}

void popExpressionParenthesized()
{
    std::string text = std::move(current());
    popExpression();
    text.insert(text.begin(), '(');
    text += ')';
    appendClosedLevel(text);
}

void pushExpressionState()
{
    size_t depth = static_cast<size_t>(exprStateDepth);
    if (expressionStates.size() <= depth)
        expressionStates.resize(depth + 1);
    expressionStates[depth] = {operandMark, operatorMark, conversionTarget};
    ++exprStateDepth;
}

void popExpressionState()
{
    if (exprStateDepth <= 0) {
        stackUnderflowError("expression stack");
        return;
    }
    --exprStateDepth;
    const ExpressionState& state = expressionStates[exprStateDepth];
    operandMark = state.operandMark;
    operatorMark = state.operatorMark;
    conversionTarget = state.conversionTarget;
}

void pushLeftType() { leftTypeStack.push_back(currentType); }

int popLeftType()
{
    if (leftTypeStack.empty()) {
        stackUnderflowError("left type");
        return 0;
    }
    int type = leftTypeStack.back();
    leftTypeStack.pop_back();
    return type;
}

void saveLeftOperand()
{
    leftTypeStack.push_back(currentType);
    savedOperandTexts.push_back(std::move(current()));
    current().clear();
}

std::string restoreLeftOperandText()
{
    if (savedOperandTexts.empty())
        return std::string();
    std::string text = std::move(savedOperandTexts.back());
    savedOperandTexts.pop_back();
    return text;
}

void ExpressionLevelScope::restore()
{
    if (exprLevel > level_ || exprStateDepth > stateDepth_) {
        exprLevel = level_;
        exprStateDepth = stateDepth_;
        operandMark = operandMark_;
        operatorMark = operatorMark_;
        conversionTarget = conversionTarget_;
    }
    if (leftTypeStack.size() > leftTypes_)
        leftTypeStack.resize(leftTypes_);
    if (savedOperandTexts.size() > savedTexts_)
        savedOperandTexts.resize(savedTexts_);
    if (listOperatorStack.size() > listOperators_)
        listOperatorStack.resize(listOperators_);
}
