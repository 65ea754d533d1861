#include "emit/translators.h"

std::vector<std::string> interpolationPieces;
std::string leftOperandText;
std::string rightOperandText;
std::string setOperationText;

std::string includeTarget(const std::string&) { return std::string(); }
std::string toDoubleQuoted(const std::string&) { return std::string(); }
std::string toSingleQuoted(const std::string& text) { return text; }
bool splitInterpolation(std::string&) { return false; }
void emitEcho(bool) {}
bool needsIntval(int targetType, int sourceType)
{
    return targetType == 5 && sourceType != 5 && sourceType != 24;
}
std::string wrapIntval(const std::string& text) { return "intVal(" + text + ")"; }
void emitReturnValue() {}
void emitIndentedExpression(const std::string&) {}
void translateFileStore(const std::string&, const std::string&, bool) {}
void translateArrayRemoveAt(const std::string&) {}
void translateArrayRemoveValue(const std::string&) {}
std::string translateInList() { return std::string(); }
void translateListSetOp(int) {}
void translateListOperator() {}
void applyListOperator() {}
