// The operators of the expression chain: signs, nil operands, the completion
// of each binary operator with its type checks, comparisons and membership.
#pragma once

#include <string>

#include "emit/expr_levels.h"
#include "parser/nesting.h"
#include "semantic/messages.h"

// The operand an operator rule just finished holds a bit operation at its top
// level ("a&b"), so PHP needs it parenthesized as a comparison operand.
extern int bitwiseOperand;

// --- Signs and nil
// Reports an operand a sign (or with bitNot, "~") cannot take; "~" cuts a
// real operand, written from `start`, to an integer.
void checkSignOperand(bool bitNot, int start);
// Appends "+" or "-"; a blank keeps it from merging with a sign just
// written into "++" or "--".
void appendSign(char sign);
// An expression that ended as a bare nil (no text) gets "null", so that no
// PHP operand is left empty.
void fillNilValue(int start);
// The operand of "~": nil gets "0" (PHP refuses "~" on null).
void fillNilBitNot(int start);
// After the operand of "not": a nil one stands as null; the value is a boolean.
void completeNot(int start);
// After a binary operator: an empty nil operand takes the default value of
// the other operand's type. leftStart/operatorAt/rightAt are positions in
// the current level's text.
void fillNilOperands(int leftStart, int operatorAt, int rightAt, int left, int right);

// --- Operator completions (right operand parsed, left type still pushed)
void completeLogical(int leftStart, int operatorAt, int rightAt);
void completeArithmetic(int leftStart, int operatorAt, int rightAt, Msg word);
// True when the operands were enclosed in an array function or the join
// before them in parentheses. `joined` is the chain's own: set when "+" was
// written as a join of texts.
bool completeAdditive(int rightAt, bool& joined);
// Bitwise level: true when a scalar bit operation was written.
bool completeListOperator();
void wrapExpressionFrom(int position);

// --- Comparisons and membership
// Before a comparison operator: a left operand that is itself a comparison
// or a bit operation is parenthesized.
void prepareComparisonLeft(int start, bool compared);
void completeComparison(int start, int operatorAt, int rightAt);
// "=", "!=" and "<>" at `operatorAt` made to compare as the operand types
// need; `arrays`: array operands take " ==" and "!=".
void settleEquality(int operatorAt, int left, int right, bool arrays);
// At "in": takes the subject (the text from start) into the identifier slot
// and the level; returns the text before it, which restoreBeforeTest puts back.
std::string takeTestSubject(int start, bool compared);
void restoreBeforeTest(const std::string& before);
// A range test, after its bounds:  x [not] in lo .. hi  (or lo -- hi)
// writes: [!](x>=lo&&x<=hi) (x<hi for "--"); the negation was saved when
// the subject was taken, before the bounds, whose calls and tests clear it.
// The subject of a membership test, from the identifier slot.
struct TestSubject {
    std::string name;
    int type = 0;
};
TestSubject takeMembershipSubject();
void completeRangeTest(const TestSubject& subject);
void completeListTest(const TestSubject& subject);

// --- Operator chains
// The binary operators are parsed by precedence in two chains: a test
// chain ("or", "and", comparisons and membership) whose operands are term
// chains (bit operators, shifts, "+" and "-", "*", "/" and "mod") whose
// operands are signed operands. Each chain keeps the state of every
// precedence level open at once: a level is open from the start of its
// first operand to the next operator that ranks lower, and an operator's
// completion waits until the levels of its right operand close. Each
// level does what a rule of its own would do, in the same order: its
// entry marks, its level of text, the operator completions and their
// limits. A step that nests the expression too deeply ends the parse
// through the parser's stop.

enum TermLevel { bitOrLevel, bitXorLevel, bitAndLevel, shiftLevel, additiveLevel, productLevel };

class TermChain {
public:
    explicit TermChain(NestingStop& stop) : stop_(stop) {}
    TermChain(const TermChain&) = delete;
    TermChain& operator=(const TermChain&) = delete;

    // Before the first operand: every level opens.
    void open();
    // After the last operand: every level closes.
    void close();

    // Before an operator, the level it ranks on...
    void beginOperator(TermLevel level)
    {
        operator_ = level;
        switch (level) {
        case productLevel: beginProduct(); break;
        case additiveLevel: beginSum(); break;
        case shiftLevel: beginShift(); break;
        default: beginListOperator(level); break;
        }
    }
    // ...and after it: the levels of the right operand open (a product
    // takes its word from operatorWord).
    void openRightOperand()
    {
        if (operator_ == productLevel)
            takeProductOperator();
        else
            openRightOperandOn(operator_);
    }
    // After each right operand: a product is complete; the other operators
    // wait for the levels of their right operand to close.
    void completeRightOperand()
    {
        if (pending(productLevel) && completeProduct())
            stop_.throwTooDeep();
    }

private:
    // "*", "/" and "mod"; "+" and "-"; "<<" and ">>"; "&", "^" and "|".
    void beginProduct();
    void takeProductOperator();
    void beginSum();
    void beginShift();
    void beginListOperator(TermLevel level);
    void openRightOperandOn(TermLevel level);

    struct ListLevel {
        bool own = false;   // a scalar bit operation was written here
        NestingSteps wraps;
    };

    void openFrom(int level);
    // Closes the levels above `level`.
    bool closeAbove(int level);
    bool closeLevel(int level);
    // The level's operand before an operator, or its right operand, ended.
    bool completeOperand(int level);
    bool completeProduct();

    bool pending(int level) const { return pending_ & (1u << level); }

    NestingStop& stop_;
    TermLevel operator_ = productLevel;   // the level of the operator being read
    unsigned pending_ = 0;   // bit per level: its operator waits for its right operand
    ListLevel lists_[bitAndLevel + 1];
    int shiftStart_ = 0, shiftOperatorAt_ = 0, shiftRightAt_ = 0;
    bool shiftJoined_ = false;
    int sumRightAt_ = 0;
    bool sumJoined_ = false;   // the chain's last "+" joined texts
    NestingSteps sumWraps_;
    int productStart_ = 0, productOperatorAt_ = 0, productRightAt_ = 0;
    Msg productWord_ = Msg::unknownError;
};

class TestChain {
public:
    explicit TestChain(NestingStop& stop) : stop_(stop) {}
    TestChain(const TestChain&) = delete;
    TestChain& operator=(const TestChain&) = delete;

    // Before the first operand.
    void open() { orStart_ = andStart_ = start_ = exprLength(); }
    // After the last operand.
    void close()
    {
        wraps_.release();
        if ((andPending_ || orPending_) && (completeAnd() || completeOr()))
            stop_.throwTooDeep();
    }

    // "or" (isOr) or "and": before the operator, and after it.
    void beginLogical(bool isOr)
    {
        logicalOr_ = isOr;
        if (isOr)
            beginOr();
        else
            beginAnd();
    }
    void openLogicalOperand()
    {
        if (logicalOr_)
            openOrOperand();
        else
            openAndOperand();
    }
    // Comparisons: before the operator, after it, after the right operand.
    void beginComparison();
    void takeComparisonOperator();
    void completeComparison();
    // "in" and "not in": the subject before "in", the test after it.
    void takeSubject();
    void takeNegatedSubject();
    void completeTest();

private:
    void beginOr();
    void beginAnd();
    void openOrOperand();
    void openAndOperand();
    bool closeComparisons();
    bool completeAnd();
    bool completeOr();

    NestingStop& stop_;
    bool logicalOr_ = false;   // the logical operator being read is "or"
    int orStart_ = 0, orOperatorAt_ = 0, orRightAt_ = 0;
    bool orPending_ = false;
    int andStart_ = 0, andOperatorAt_ = 0, andRightAt_ = 0;
    bool andPending_ = false;
    int start_ = 0, operatorAt_ = 0, rightAt_ = 0;
    bool compared_ = false;   // the left operand is a comparison
    std::string before_;      // the text before a membership test's subject
    NestingSteps wraps_;      // each parenthesized left operand nests in PHP
};

// --- The steps of the expression rules
// What one expression rule keeps: its test chain, and the levels it found
// on entry, left as they were when its handler ends it. A new expression
// of a statement counts its operators from zero.
class ExpressionChain : public TestChain {
public:
    explicit ExpressionChain(NestingStop& stop) : TestChain(stop) { startOperatorCount(); }

private:
    ExpressionLevelScope levels_;
};
// "*", "/" and "mod": the PHP operator, and its operator word.
void appendProductOperator(const char* text, Msg word);
// A bound's "+", "-", "*", "/" or "mod", after its right operand: the
// operand types (the left one pushed) checked for the operator `word`.
void checkBoundOperands(Msg word);
// After the operand of signs, and of "~"; the operand's text begins at
// `start`.
void completeSignedOperand(int start);
void completeBitNot(int start);
// After the expression of an operand in parentheses.
void closeParenthesizedOperand();
// The bounds of a range test ("x in lo .. hi"), each after its expression.
void takeTestRangeStart();
void takeTestRangeEnd();
