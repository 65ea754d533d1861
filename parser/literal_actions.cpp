#include "parser/literal_actions.h"

#include <cctype>
#include <string_view>

#include "emit/emit.h"
#include "parser/expression_actions.h"
#include "parser/file_actions.h"
#include "parser/reference_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

int objectConversion = 0;

// --- "$" in PHP double-quoted strings

namespace {
// A character a PHP variable name may begin with.
bool isLabelStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

// A character a PHP variable name may go on with.
bool isLabelChar(char c)
{
    return isLabelStart(c) || std::isdigit(static_cast<unsigned char>(c));
}

// The end of the label at `at`, or `at` when none starts there.
size_t labelEnd(const std::string& text, size_t at)
{
    if (at >= text.size() || !isLabelStart(text[at]))
        return at;
    while (at < text.size() && isLabelChar(text[at]))
        ++at;
    return at;
}

// Whether "[" at `at` opens an index PHP takes inside a string: a name, a
// number (with "-"), or a variable, then "]".
bool simpleStringIndex(const std::string& text, size_t at)
{
    size_t i = at + 1;
    if (i < text.size() && text[i] == '$') {
        size_t end = labelEnd(text, i + 1);
        if (end == i + 1)
            return false;
        i = end;
    } else if (labelEnd(text, i) > i) {
        i = labelEnd(text, i);
    } else {
        if (i < text.size() && text[i] == '-')
            ++i;
        size_t digits = i;
        while (i < text.size() && std::isalnum(static_cast<unsigned char>(text[i])))
            ++i;
        if (i == digits || !std::isdigit(static_cast<unsigned char>(text[digits])))
            return false;
    }
    return i < text.size() && text[i] == ']';
}

// Reads the expressions PHP takes between "{$" or "${" and "}": variables
// with indexes, properties and method calls, numbers, single-quoted texts
// and names joined by arithmetic or ".". What it does not know counts as
// malformed, so an unusual but valid form only loses its interpolation.
class BracedExpressionReader {
public:
    explicit BracedExpressionReader(const std::string& text) : text(text) {}

    // A variable, or an expression, at `at`; `at` moves past it.
    bool variable(size_t& at) { return readFrom(at, &BracedExpressionReader::readVariable); }
    bool expression(size_t& at) { return readFrom(at, &BracedExpressionReader::readExpression); }

private:
    bool readFrom(size_t& at, bool (BracedExpressionReader::*read)(int))
    {
        i = at;
        if (!(this->*read)(0))
            return false;
        at = i;
        return true;
    }

    static const int maxDepth = 64;
    const std::string& text;
    size_t i = 0;

    char at(size_t k) const { return k < text.size() ? text[k] : '\0'; }
    bool digit(size_t k) const { return std::isdigit(static_cast<unsigned char>(at(k))) != 0; }

    void skipBlanks()
    {
        while (at(i) == ' ' || at(i) == '\t')
            ++i;
    }

    bool readVariable(int depth)
    {
        if (depth > maxDepth || at(i) != '$')
            return false;
        ++i;
        if (at(i) == '$') {
            if (!readVariable(depth + 1))
                return false;
        } else {
            size_t end = labelEnd(text, i);
            if (end == i)
                return false;
            i = end;
        }
        for (;;) {
            if (at(i) == '[') {
                ++i;
                skipBlanks();
                if (!readExpression(depth + 1))
                    return false;
                skipBlanks();
                if (at(i) != ']')
                    return false;
                ++i;
            } else if (text.compare(i, 2, "->") == 0 && labelEnd(text, i + 2) > i + 2) {
                i = labelEnd(text, i + 2);
                if (at(i) == '(' && !readArguments(depth + 1))
                    return false;
            } else {
                return true;
            }
        }
    }

    bool readArguments(int depth)
    {
        ++i;
        skipBlanks();
        if (at(i) == ')') {
            ++i;
            return true;
        }
        for (;;) {
            if (!readExpression(depth))
                return false;
            skipBlanks();
            if (at(i) == ')') {
                ++i;
                return true;
            }
            if (at(i) != ',')
                return false;
            ++i;
            skipBlanks();
        }
    }

    bool readOperand(int depth)
    {
        char c = at(i);
        if (c == '$')
            return readVariable(depth);
        if (c == '\'') {
            for (++i; at(i) != '\''; ++i)
                if (at(i) == '\0' || at(i) == '\\')
                    return false;
            ++i;
            return true;
        }
        if ((c == '-' || c == '+') && digit(i + 1))
            ++i;
        if (digit(i)) {
            while (digit(i))
                ++i;
            if (at(i) == '.' && digit(i + 1))
                for (++i; digit(i); ++i) {
                }
            return !isLabelChar(at(i));
        }
        size_t end = labelEnd(text, i);
        if (end == i)
            return false;
        i = end;
        return true;
    }

    bool readExpression(int depth)
    {
        if (depth > maxDepth || !readOperand(depth + 1))
            return false;
        for (;;) {
            size_t mark = i;
            skipBlanks();
            char c = at(i);
            bool joins = c == '+' || c == '-' || c == '*' || c == '/' || c == '%' ||
                         (c == '.' && !digit(i + 1));
            if (!joins) {
                i = mark;
                return true;
            }
            ++i;
            skipBlanks();
            if (!readOperand(depth + 1))
                return false;
        }
    }
};
}

// stringLiteral, templateLiteral: a "$" before a "{" of the text
// A "$" left at the end of `out` would make the "{" written next a "${":
// it gets a backslash (when it has none).
static void escapeTrailingDollar(std::string& out)
{
    if (out.empty() || out.back() != '$')
        return;
    size_t slashes = 0;
    for (size_t i = out.size() - 1; i > 0 && out[i - 1] == '\\'; --i)
        ++slashes;
    if (slashes % 2 == 0)
        out.insert(out.size() - 1, "\\");
}

// stringLiteral, templateLiteral: the "$" of a double-quoted text
// PHP reads "$name", "$name[index]", "{$...}" and "${...}" in a double-quoted
// string as variables, and a malformed one ("${" or "{$" left open, "$a[" or
// "$a[ 1]", "{$x[$0]}") is a parse error of the whole file. Such a "$" gets a
// backslash and stands for itself; a well-formed one is kept as written, but
// for "${" (deprecated), written in the "{$" form that means the same.
static std::string guardStringVariables(const std::string& body)
{
    std::string out;
    out.reserve(body.size());
    BracedExpressionReader reader(body);
    bool afterBrace = false;  // the last character was a "{" of its own
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        bool curly = afterBrace;
        afterBrace = false;
        if (c == '\\') {
            out += c;
            if (i + 1 < body.size())
                out += body[++i];
            continue;
        }
        if (c != '$') {
            out += c;
            afterBrace = c == '{';
            continue;
        }
        size_t end = i;
        if (curly) {
            // "{$" reads a variable up to its "}"
            if (reader.variable(end) && end < body.size() && body[end] == '}') {
                out.append(body, i, end + 1 - i);
                i = end;
                continue;
            }
        } else if (i + 1 < body.size() && body[i + 1] == '{') {
            // "${name}" and "${name[index]}" are the variable "{$name...}";
            // "${expr}" is the variable variable "{${expr}}"
            size_t name = i + 2, nameEnd = labelEnd(body, name);
            escapeTrailingDollar(out);
            if (nameEnd > name && nameEnd < body.size() && body[nameEnd] == '}') {
                out += "{$" + body.substr(name, nameEnd + 1 - name);
                i = nameEnd;
                continue;
            }
            size_t index = nameEnd + 1;
            if (nameEnd > name && nameEnd < body.size() && body[nameEnd] == '[' &&
                reader.expression(index) && body.compare(index, 2, "]}") == 0) {
                out += "{$" + body.substr(name, index + 2 - name);
                i = index + 1;
                continue;
            }
            end = name;
            if (reader.expression(end) && end < body.size() && body[end] == '}') {
                out += "{${" + body.substr(name, end - name) + "}}";
                i = end;
                continue;
            }
        } else {
            end = labelEnd(body, i + 1);
            if (end == i + 1 || end >= body.size() || body[end] != '[' || simpleStringIndex(body, end)) {
                out += c;
                continue;
            }
        }
        out += "\\$";
    }
    return out;
}

// templateLiteral: TEMPLATE with no name in it
// The text between the backquotes as one PHP double-quoted string: a bare
// double quote would end it and a final lone backslash would escape the
// closing quote, so both get a backslash; escape pairs stay as written.
static std::string quotedTemplate(const std::string& inner)
{
    std::string out = "\"";
    for (size_t i = 0; i < inner.size(); ++i) {
        char c = inner[i];
        if (c == '\\') {
            out += c;
            if (i + 1 < inner.size())
                out += inner[++i];
            else
                out += '\\';
        } else if (c == '"') {
            out += "\\\"";
        } else {
            out += c;
        }
    }
    return "\"" + guardStringVariables(out.substr(1)) + "\"";
}

// templateLiteral, xmlDeclaration: TEMPLATE
// writes: "text" as quotedTemplate makes it, the backquotes dropped
std::string phpTemplateText(const std::string& token)
{
    return quotedTemplate(stripQuotes(token));
}

// templateLiteral, xmlDeclaration: TEMPLATE ends with its backquote (a page's
// code block may cut it short)
bool templateClosed(const std::string& token)
{
    return token.size() >= 2 && token.back() == '`';
}

// appendTemplate, for templateLiteral: TEMPLATE
// a template literal:  `Hello $name!`
// writes: "Hello ".$name."!" with each name as an expression writes it
// ($this->name in a method, a global declared global in a function), or
// one double-quoted string when it names nothing
void takeTemplate(const std::string& token)
{
    if (!templateClosed(token)) {
        // the block's text is not the template's
        syntaxError();
        rawText = "\"\"";
        currentType = typeText;
        lineNumber += countLineEnds(token);
        return;
    }
    rawText.clear();
    std::string copy = token;
    if (splitInterpolation(copy)) {
        for (const std::string& piece : interpolationPieces)
            rawText += piece.size() > 1 && piece[0] == '$' ? templateNameText(piece.substr(1)) : piece;
        std::printf("%d) uninterpol true\n", lineNumber);
        std::fflush(stdout);
    } else {
        rawText = quotedTemplate(stripQuotes(token));
    }
    currentType = typeText;
    lineNumber += countLineEnds(token);
}

// templateLiteral: TEMPLATE
// writes: the template as takeTemplate makes it
void appendTemplate(const std::string& token)
{
    takeTemplate(token);
    exprAppend(rawText);
    assignedFlag = 1;   // a literal is a value
}

// --- Literals

// integerLiteral, literalValue: INTEGER
// writes: the digits without the n, L or l suffix
std::string phpIntegerLiteral(const std::string& token)
{
    std::string text = token;
    // PHP has no natural or long suffix
    if (!text.empty() && (text.back() == 'n' || text.back() == 'L' || text.back() == 'l'))
        text.pop_back();
    return text;
}

// realLiteral, literalValue: REAL_LITERAL
// writes: the number without its r, f or F suffix
std::string phpRealLiteral(const std::string& token)
{
    std::string text = stripRealSuffix(token);
    if (!text.empty() && (text.back() == 'f' || text.back() == 'F'))
        text.pop_back();  // PHP has no float suffix
    return text;
}

namespace {
// integerLiteral: INTEGER ends with n, L or l
bool hasIntegerSuffix(const std::string& token)
{
    return !token.empty() && (token.back() == 'n' || token.back() == 'L' || token.back() == 'l');
}

// phpIntegerLiteral(token), not copied.
std::string_view integerDigits(const std::string& token)
{
    std::string_view digits(token);
    if (hasIntegerSuffix(token))
        digits.remove_suffix(1);
    return digits;
}
}

// integerLiteral, literalValue: INTEGER
// checks: the value fits PHP's integer (PHP would make it a float)
bool integerLiteralFits(const std::string& token)
{
    std::string_view digits = integerDigits(token);
    int base = 10;
    size_t from = 0;
    if (digits.size() > 1 && digits[0] == '0') {
        char mark = digits[1];
        if (mark == 'x' || mark == 'X') {
            base = 16;
            from = 2;
        } else if (mark == 'b' || mark == 'B') {
            base = 2;
            from = 2;
        } else {
            base = 8;
            from = 1;
        }
    }
    // Beyond PHP_INT_MAX PHP makes the literal a float.
    const unsigned long long limit = 9223372036854775807ULL;
    unsigned long long value = 0;
    for (size_t i = from; i < digits.size(); ++i) {
        char c = digits[i];
        int digit = c >= '0' && c <= '9' ? c - '0'
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10 : base;
        if (digit >= base)
            return true;  // not a number the lexer makes; nothing to say
        if (value > (limit - static_cast<unsigned>(digit)) / static_cast<unsigned>(base))
            return false;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
    }
    return true;
}

// integerLiteral: INTEGER
// writes: 42 (0x10, 017, 0b101 as written, no suffix); a natural for 3n;
// checks: it fits 64 bits ("bad integer syntax")
void appendIntegerLiteral(const std::string& token)
{
    if (!integerLiteralFits(token))
        reportBadSyntax(Msg::requiredInteger);
    currentType = !token.empty() && token.back() == 'n' ? typeNatural : typeInteger;
    if (hasIntegerSuffix(token))
        exprAppend(phpIntegerLiteral(token));
    else
        exprAppend(token);
    assignedFlag = 1;
}

// realLiteral: REAL_LITERAL
// writes: 2.5, without the suffix
void appendRealLiteral(const std::string& token)
{
    exprAppend(phpRealLiteral(token));
    currentType = typeReal;
    assignedFlag = 1;
}

namespace {
// A quoted literal with no "$" in it is its own PHP text: the guard copies
// every other character as it stands.
bool isPlainStringLiteral(const std::string& token)
{
    return token.size() >= 2 && token[0] == '"' && token.back() == '"' &&
           token.find('$') == std::string::npos;
}
}

// stringLiteral, and each text written from a STRING_LITERAL
// writes: 'as written', and "text" with each "$" PHP would misread as \$
std::string phpStringLiteral(const std::string& token)
{
    if (isPlainStringLiteral(token))
        return token;
    if (token.size() >= 2 && token[0] == '"')
        return "\"" + guardStringVariables(token.substr(1, token.size() - 2)) + "\"";
    return token;
}

// stringLiteral: STRING_LITERAL
// writes: the text as phpStringLiteral makes it
void appendStringLiteral(const std::string& token)
{
    if (isPlainStringLiteral(token))
        exprAppend(token);
    else
        exprAppend(phpStringLiteral(token));
    currentType = typeText;
    assignedFlag = 1;
}

// literalValue: REAL_LITERAL | INTEGER | STRING_LITERAL
// writes nothing; the token goes to currentIdentifier (3n as the natural 3);
// checks: an integer fits 64 bits
void takeLiteralValue(const std::string& token, int type)
{
    if (type == typeInteger && !integerLiteralFits(token))
        reportBadSyntax(Msg::requiredInteger);
    currentIdentifier = token;
    currentType = type;
    if (type == typeInteger && !token.empty() && token.back() == 'n') {
        currentIdentifier.pop_back();
        currentType = typeNatural;
    }
}

// literalMethodCall, literalValue: a literal's PHP text by its type
std::string phpLiteralText(const std::string& text, int type)
{
    if (type == typeReal)
        return phpRealLiteral(text);
    if (type == typeText)
        return phpStringLiteral(text);
    return phpIntegerLiteral(text);
}

// primaryExpression: "true" | "false" | "null" | "nil" | "zero" | "[" "]" | "{" "}"
// writes: the keyword's PHP value (true, false, null, 0, array(); nil nothing)
void appendKeywordValue(const char* text, int type)
{
    exprAppendText(text);
    currentType = type;
}

// primaryExpression: "this"
// writes: $this; checks: inside a class (code 5)
void appendThis()
{
    // PHP has no $this outside an object
    if (!inClass)
        reportError(Msg::featureNotHere);
    appendKeywordValue("$this", typeObject);
}

// --- Conversions

// conversionCall: expression, after the value
// checks: no array for a byte, boolean, text or dir ("can't assign to ...")
void checkConversionValue()
{
    // strval and dir take no array, and the conversions written "(...)"
    // leave it an array under a scalar type (intval and doubleval give 0
    // or 1)
    switch (conversionTarget) {
    case typeByte: case typeBoolean: case typeText: case typeCharPtr: case typeDir:
        if (isArrayType(currentType))
            reportCantAssign(conversionTarget, currentType);
        break;
    default:
        break;
    }
}

// conversionCall: expression, in typeConversion: variableType "(" conversionCall ")"
// the conversion of one value:  int(x), bool(z), text(n) ...
// writes: intval($x), boolval($z), strval($n) ... and "(" for a type PHP has
// no conversion function for
void openConversionCall()
{
    objectConversion = 0;
    switch (conversionTarget) {
    case typeNumber: case typeReal:
        exprAppendText("doubleval(");
        break;
    case typeBoolean:
        exprAppendText("boolval(");
        break;
    case typeInteger: case typeNatural:
        exprAppendText("intval(");
        break;
    case typeText: case typeCharPtr:
        exprAppendText("strval(");
        break;
    case typeDir:
        exprAppendText("dir(");
        break;
    case typeObject:
        exprAppendText("array(");
        objectConversion = 1;
        conversionTarget = lvalueFlag;
        break;
    default:
        // var included: PHP has no conversion function for it
        exprAppendText("(");
    }
}

// --- The steps of the literal rules

// arrayParenList: "array" leftParen ( arrayElement ( "," arrayElement )* )? RIGHTPAR
// writes: array(e1,e2)   (array(v) of a typed array v: v)
void closeArrayParenList(int elements)
{
    // array(v) of a typed array v is v itself; with more elements the
    // list keeps its wrapper, or they would become arguments.
    if (elements == 1 && isTypedArray(currentType))
        popExpressionAppend();
    else
        wrapArrayLiteral();
    currentType = typeArray;
}

// arraySquareList: leftSquare ( arrayElement ( "," arrayElement )* )? RIGHTSQUARE
// writes: array(e1,e2)
void closeArrayLiteral()
{
    wrapArrayLiteral();
    currentType = typeArray;
}

// dictParenList, dictCurlyList: ( dictPair ( "," dictPair )* )? and the closer
// writes: array(k1=>v1,k2=>v2)
void closeDictLiteral()
{
    wrapArrayLiteral();
    currentType = typeDict;
}

// arrayElement, dictPair: the value's expression
// writes: the value   (null for a nil one)
void appendNestedValue()
{
    fillNilValue(0);
    popExpressionAppend();
}

// dictPair: primaryExpression COLON expression
// writes: key=>   (null for a nil key)
void appendDictKey(int start)
{
    fillNilValue(start);
    exprAppendText("=>");
}

// typeConversion: variableType LEFTPAR values RIGHTPAR, after the keyword
// writes: nothing yet, on a level of its own; the keyword's type is the
// conversion's target
void beginConversion()
{
    pushExpressionLevel();
    conversionTarget = currentType;
}

// typeConversion: variableType LEFTPAR RIGHTPAR
// writes: array()
void writeEmptyConversionList()
{
    // An empty list: the typed array of the keyword, when it has one.
    exprAppendText("array()");
    objectConversion = 1;
}

// typeConversion: after the values
// writes: the conversion, on the enclosing level
void finishConversion()
{
    std::string text = currentExpression();
    popExpressionLevel();
    exprAppend(text);
    if (objectConversion) {
        setArrayOfType(conversionTarget);
        // a list of a type that has no typed array is an array all
        // the same (var keeps its own type)
        if (!isArrayType(currentType) && currentType != typeVar)
            currentType = typeArray;
    }
}

// conversionCall: expression, the one value of a conversion
// writes: the conversion's call up to its "(" (openConversionCall)
int openConversionValue()
{
    openConversionCall();
    int listResult = objectConversion;
    pushExpression();
    return listResult;
}

// conversionCall: after the value
// writes: value)   (checks: an array converted to a scalar type)
void closeConversionValue(int listResult)
{
    fillNilValue(0);
    checkConversionValue();
    popExpressionAppend();
    objectConversion = listResult;
    currentType = conversionTarget;
    exprAppendCloseParen();
}

// arrayConstructorArgs: expression ( comma expression )+
// writes: array(
void openTypedArrayValues()
{
    exprAppendText("array(");
    objectConversion = 1;
    pushInt(currentType);
    pushExpression();
}

// arrayConstructorArgs: after each value
// writes: the value   (checks: it fits the keyword's type)
void appendTypedArrayValue()
{
    fillNilValue(0);
    popExpressionAppend();
    checkAssignable(conversionTarget, currentType);
}

// arrayConstructorArgs: after the last value
// writes: )
void closeTypedArrayValues()
{
    // (a conversion among the values has cleared it)
    objectConversion = 1;
    currentType = popInt();
    exprAppendCloseParen();
}
