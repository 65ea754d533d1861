#include "emit/translators.h"

#include <cctype>

#include "emit/code_buffer.h"
#include "emit/expr_levels.h"
#include "emit/output.h"
#include "emit/state.h"
#include "semantic/file_names.h"
#include "semantic/messages.h"
#include "semantic/symbols.h"
#include "semantic/types.h"

std::vector<std::string> interpolationPieces;
std::string leftOperandText;
std::string rightOperandText;
std::string setOperationText;

// Backslash, double quote and "$" would end or interpolate a PHP
// double-quoted string: each gets a backslash.
static std::string escapeForDoubleQuotes(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"' || c == '$')
            out += '\\';
        out += c;
    }
    return out;
}

std::string includeTarget(const std::string& literal)
{
    std::string path = stripQuotes(literal);
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && equalsIgnoreCase(path.substr(dot), ".vel"))
        path.erase(dot);
    return "\"" + escapeForDoubleQuotes(path + phpExtension) + "\"";
}

std::string toDoubleQuoted(const std::string& literal)
{
    if (literal.size() <= 2)
        return "\"\"";
    std::string inner = literal.substr(1, literal.size() - 2);
    std::string out = "\"";
    for (size_t i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if ((c == '"' || c == '$' || c == '{' || c == '}') && (i == 0 || inner[i - 1] != '\\'))
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string toSingleQuoted(const std::string& text)
{
    std::string copy = text;
    if (!copy.empty() && copy[0] == '"') {
        copy[0] = '\'';
        copy[copy.size() - 1] = '\'';
    }
    return copy;
}

namespace {
bool isNameStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}

bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// A literal stretch of a template as a PHP double-quoted string. Escape
// pairs the template already holds (\n, \$, \" ...) keep their PHP meaning,
// as in a template without names; a bare quote or "$" is escaped, and a
// backslash at the very end is doubled so that it cannot eat the quote.
std::string quoteLiteralPiece(const std::string& text)
{
    std::string out = "\"";
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\') {
            if (i + 1 < text.size()) {
                out += c;
                out += text[++i];
            } else {
                out += "\\\\";
            }
        } else if (c == '"' || c == '$') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void addPiece(const std::string& piece)
{
    if (!interpolationPieces.empty())
        interpolationPieces.push_back(".");
    interpolationPieces.push_back(piece);
}
}

bool splitInterpolation(std::string& literal)
{
    interpolationPieces.clear();
    literal = stripQuotes(literal);
    bool found = false;
    size_t start = 0;
    bool inVar = false;
    for (size_t i = 0; i < literal.size(); ++i) {
        char c = literal[i];
        if (inVar) {
            if (isNameChar(c))
                continue;
            addPiece(literal.substr(start, i - start));
            inVar = false;
            start = i;
        }
        bool escaped = i > 0 && literal[i - 1] == '\\';
        if (c == '$' && i + 1 < literal.size() && isNameStart(literal[i + 1]) && !escaped) {
            found = true;
            if (i > start)
                addPiece(quoteLiteralPiece(literal.substr(start, i - start)));
            start = i;
            inVar = true;
        }
    }
    std::string rest = literal.substr(start);
    if (inVar)
        addPiece(rest);
    else if (!rest.empty() || interpolationPieces.empty())
        addPiece(quoteLiteralPiece(rest));
    return found;
}

void emitEcho(bool spaced)
{
    emitText("echo ");
    for (int i = 0; i <= exprLevel; ++i) {
        if (i > 0)
            emitText(spaced ? ", \" \", " : ",");
        currentType = exprTypeAt(i);
        if (isArrayType(currentType) || currentType == typeVar) {
            emitText("var_export(");
            emitString(exprText[i]);
            emitText(",true)");
        } else {
            emitString(exprText[i]);
        }
    }
}

bool needsIntval(int targetType, int sourceType)
{
    return targetType == typeInteger && sourceType != typeInteger && sourceType != typeNil;
}

std::string wrapIntval(const std::string& text)
{
    return "intVal(" + text + ")";
}

bool isFractional(int type) { return type == typeReal || type == typeNumber; }

std::string cutFraction(std::string text, int type)
{
    if (isFractional(type))
        return "(int)(" + text + ")";
    return text;
}

// one of several values of a return:  return a, b
// writes the value, intVal(...) for an integer result, and for nil the
// result type's empty value ("" for a text, array() for an array, false
// otherwise), as a single value does
void emitReturnValue()
{
    if (!currentFunction) {
        emitCurrentExpression();
        return;
    }
    if (currentType == typeNil)
        emitString(defaultValueOf(currentFunction->returnTypeAt()));
    else if (currentFunction->returnTypeAt() == typeInteger && currentType != typeInteger)
        emitString(wrapIntval(currentExpression()));
    else
        emitCurrentExpression();
    currentFunction->addReturnedType(currentType);
    ++currentFunction->cursor;
}

void emitIndentedExpression(const std::string& text)
{
    std::string indentation;
    for (int i = 0; i < indentLevel; ++i)
        indentation += "   ";
    exprAppend(indentation + text);
}

void translateFileStore(const std::string& listText, const std::string& fileText, bool lines)
{
    exprAppend("file_put_contents(" + fileText + ",implode(" + (lines ? "\"\\n\"," : "") +
               listText + "))");
}

namespace {
// Splits an element text such as m[1][2] at its last bracket pair: the
// container m[1] and the index 2. False when the text does not end in one.
bool splitLastIndex(const std::string& element, std::string& container, std::string& index)
{
    if (element.empty() || element.back() != ']')
        return false;
    int depth = 0;
    for (size_t i = element.size(); i-- > 0;) {
        char c = element[i];
        if (c == ']') {
            ++depth;
        } else if (c == '[') {
            if (--depth == 0) {
                if (i == 0)
                    return false;
                container = element.substr(0, i);
                index = element.substr(i + 1, element.size() - i - 2);
                return true;
            }
        }
    }
    return false;
}
}

void translateArrayRemoveAt(const std::string& element)
{
    std::string container, index;
    if (!splitLastIndex(element, container, index))
        return;
    emitString("array_splice(" + dollarName(container) + "," + index + ",1);\n");
}

void translateArrayRemoveValue(const std::string& element)
{
    std::string container, index;
    if (!splitLastIndex(element, container, index))
        return;
    emitString("unset(" + dollarName(element) + ");\n");
}

// membership in an array, a dict or a text:  x in a
// writes: in_array($x,$a), strict (in_array($x,$a,true)) when the subject or
// the elements are texts: "1" is not "1.0"; numbers stay loose, so an
// integer finds its value in a real array
std::string translateInList(int subjectType)
{
    int type = currentType;
    if (type == typeArray || type == typeDict || (type >= typeIntArray && type <= typeFileArray))
        return inArrayText(leftOperandText, rightOperandText, subjectType, type);
    if (type == typeText)
        return "(strpos(" + rightOperandText + "," + leftOperandText + ")!==false)";
    reportErrorText("unknown type in InList");
    return std::string();
}

std::string inArrayText(const std::string& subject, const std::string& container, int subjectType,
                        int containerType)
{
    bool texts = subjectType == typeText || subjectType == typeCharPtr ||
                 elementType(containerType) == typeText;
    return "in_array(" + subject + "," + container + (texts ? ",true)" : ")");
}

bool isListType(int type)
{
    return type == typeArray || type == typeList || (type >= typeIntArray && type <= typeFileArray);
}

size_t bracketEnd(const std::string& text, size_t at)
{
    int depth = 0;
    for (size_t i = at; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'' || c == '"') {
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\')
                    ++i;
            if (i >= text.size())
                return std::string::npos;
        } else if (c == '[' || c == '(') {
            ++depth;
        } else if (c == ']' || c == ')') {
            if (--depth == 0)
                return i + 1;
        }
    }
    return std::string::npos;
}

namespace {
// The text inside an array_values(...) that encloses all of it; the text
// itself otherwise.
std::string withoutListValues(const std::string& text)
{
    static const std::string head = "array_values(";
    if (text.compare(0, head.size(), head) != 0 || text.back() != ')' ||
        bracketEnd(text, head.size() - 1) != text.size())
        return text;
    return text.substr(head.size(), text.size() - 1 - head.size());
}
}

// the set operators on arrays:  a & b, a | b, a ^ b (and their compound forms)
// writes: array_intersect(L,R), array_unique(array_merge(L,R)),
// array_unique(array_merge(array_diff(L,R),array_diff(R,L))); on a list
// (`list`) in array_values(...), so that its elements are numbered from 0 again
void translateListSetOp(int code, bool list)
{
    const std::string& l = leftOperandText;
    const std::string& r = rightOperandText;
    switch (code) {
    case 1:
        setOperationText = "array_intersect(" + l + "," + r + ")";
        break;
    case 2:
        setOperationText = "array_unique(array_merge(" + l + "," + r + "))";
        break;
    case 3: {
        // each operand stands twice
        RepeatedText left = repeatedText(l), right = repeatedText(r);
        setOperationText = "array_unique(array_merge(array_diff(" + left.first + "," +
                           right.first + "),array_diff(" + right.again + "," + left.again + ")))";
        break;
    }
    default:
        return;
    }
    if (list)
        setOperationText = "array_values(" + setOperationText + ")";
}

void translateListOperator()
{
    int left = popLeftType();
    // a var operand may hold a single value: as an array it is one
    bool castLeft = left == typeVar, castRight = currentType == typeVar;
    if (left == typeVar)
        left = currentType;
    bool arrays = false;
    // a single value taken as a typed array is written as one
    bool wrapRight = false;
    if (left >= typeIntArray && left <= typeFileArray) {
        wrapRight = !isArrayType(currentType) && currentType != typeVar && currentType != typeNil;
        if (left != currentType)
            setArrayOfType(elementType(currentType));
        arrays = true;
    } else if (left == 2 || left == 4 || left == 5 || left == 7 || left == 8) {
        int rightType = currentType;
        checkBitwise(left, currentType);
        std::string right = currentExpression();
        clearExpression();
        int code = popListOperator();
        const char* op = code == 2 ? "|" : code == 1 ? "&" : "^";
        exprAppend(cutFraction(restoreLeftOperandText(), left) + op + cutFraction(right, rightType));
        return;
    } else if (left == typeArray || left == typeDict || left == typeList) {
        arrays = true;
    }
    if (!arrays) {
        reportOperatorTypeError(Msg::wordSuch, left, currentType);
        // Keep the saved text and code paired with their type.
        restoreLeftOperandText();
        popListOperator();
        return;
    }
    checkArrayOperand(left, currentType);
    leftOperandText = restoreLeftOperandText();
    rightOperandText = currentExpression();
    if (wrapRight)
        rightOperandText = "array(" + rightOperandText + ")";
    if (castLeft)
        leftOperandText = "(array)(" + leftOperandText + ")";
    if (castRight)
        rightOperandText = "(array)(" + rightOperandText + ")";
    clearExpression();
    int code = popListOperator();
    // The result of a list is numbered again: an operand that was needs no
    // numbers of its own, and a chain of set operators nests a call less a
    // step.
    if (isListType(left))
        leftOperandText = withoutListValues(leftOperandText);
    if (isArrayKind(currentType))
        translateListSetOp(code, isListType(left));
    else
        reportError(Msg::needsBooleansOrArrays);
    exprAppend(setOperationText);
}

void applyListOperator()
{
    int code = popListOperator();
    if (isArrayKind(currentType))
        translateListSetOp(code);
    else
        reportError(Msg::needsBooleansOrArrays);
}
