// The operators of the expression chain: signs, nil operands, the completion
// of each binary operator with its type checks, comparisons and membership.
#pragma once

#include <string>

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
void completeArithmetic(int leftStart, int operatorAt, int rightAt, int word);
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
// At "in": takes the subject (the text from start) into the identifier slot
// and the level; returns the text before it, which restoreBeforeTest puts back.
std::string takeTestSubject(int start, bool compared);
void restoreBeforeTest(const std::string& before);
void completeRangeTest(const std::string& subject, int subjectType);
void completeListTest(const std::string& subject, int subjectType);
