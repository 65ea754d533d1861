// Translators of constructs whose PHP form is more than a token-for-token
// copy: include targets, interpolation, echo, intVal, file store, element
// removal, membership and the set operators.
#pragma once

#include <string>
#include <vector>

#include "emit/code_buffer.h"

extern std::vector<std::string> interpolationPieces;
extern std::string leftOperandText;
extern std::string rightOperandText;
extern std::string setOperationText;

// Past the bracket ("(" or "[") that opens at `at`, quoted texts skipped;
// npos when it does not close.
size_t bracketEnd(const std::string& text, size_t at);
std::string includeTarget(const std::string& literal);
std::string toDoubleQuoted(const std::string& literal);
std::string toSingleQuoted(const std::string& text);
bool splitInterpolation(std::string& literal);
void emitEcho(bool spaced);
bool needsIntval(int targetType, int sourceType);
std::string wrapIntval(const std::string& text);
// Bits, remainders, keys and positions are an integer's: a real or number
// operand is cut to one in so many words, since PHP 8 deprecates cutting a
// fraction silently. Any other text is returned as it is.
bool isFractional(int type);
std::string cutFraction(std::string text, int type);
void emitReturnValue();
void emitIndentedExpression(const std::string& text);
void translateFileStore(const std::string& listText, const std::string& fileText, bool lines);
void translateArrayRemoveAt(const std::string& element);
void translateArrayRemoveValue(const std::string& element);
// `subjectType`: the type of the value looked for.
std::string translateInList(int subjectType = 0);
// in_array(subject,container), strict when texts are compared.
std::string inArrayText(const std::string& subject, const std::string& container, int subjectType,
                        int containerType);
// An array whose elements are numbered: an array, a list, a typed array.
bool isListType(int type);
// `list`: the left operand is a list, whose result is numbered again.
void translateListSetOp(int code, bool list = false);
void translateListOperator();
void applyListOperator();
