#include "parser/actions.h"

#include <cctype>

#include "driver/state.h"
#include "emit/emit.h"
#include "parser/state.h"
#include "semantic/semantic.h"

std::string inputPrompt;
int objectConversion = 0;
int bitwiseOperand = 0;
int expressionNesting = 0;
int expressionOperators = 0;

// --- Start rules

void resetFileState()
{
    lineNumber = 1;
    errorCount = 0;
    symbolTable.beginFile();
    blockDepth = -1;

    // What a rule that was left by an exception may have left half done.
    indentLevel = 0;
    newlineState = 0;
    inClass = 0;
    inFunction = 0;
    inBlockScope = 0;
    callDepth = 0;
    currentArgumentCount = 0;
    currentCallStack.clear();
    resetExpressions();
    leftTypeStack.clear();
    savedOperandTexts.clear();
    listOperatorStack.clear();
    notInFlagStack.clear();
    notInFlag = 0;
    identifierIndex = 0;
    indiceIdentifierStack.clear();
    indiceMemberStack.clear();
    indiceCodeStack.clear();
    nestingCounterIndex = 0;
    loopKindStack.clear();
    intStack.clear();
    pointerStack.clear();
    stringStack.clear();
    assignTargetMode = 0;
    silentCall = 0;
    staticModifier = 0;
    bitwiseOperand = 0;
    expressionNesting = 0;
    expressionOperators = 0;
    expressionTempCounter = 0;
    modifierText.clear();
    referenceSegmentCount = 0;
    sliceSeen = 0;
}

bool openTargetFile()
{
    if (openOutputFile(targetFileName))
        return true;
    reportErrorText("\"" + targetFileName + "\" can't be opened for writing");
    return false;
}

OutputFileScope::~OutputFileScope()
{
    closeOutputFile();
}

std::string pageText(const std::string& block)
{
    if (block.size() < 4)
        return std::string();
    return block.substr(2, block.size() - 4);
}

int countLineEnds(const std::string& text)
{
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++count;
        } else if (text[i] == '\r') {
            ++count;
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        }
    }
    return count;
}

// --- Imports and includes

// A path inside a PHP double-quoted string: nothing in it may end the
// string or interpolate.
static std::string doubleQuotedPath(const std::string& path)
{
    std::string text = "\"";
    for (char c : path) {
        if (c == '\\' || c == '"' || c == '$')
            text += '\\';
        text += c;
    }
    return text + "\"";
}

void translateImport(const std::string& token)
{
    newlineState = 0;
    std::string path = stripQuotes(token);
    size_t dot = path.rfind('.');
    if (dot != std::string::npos && equalsIgnoreCase(path.substr(dot), ".js")) {
        // A script for the browser: kept as a comment line, ended at once so
        // that nothing written after it on the same line is commented out.
        emitString(phpComment("#require(" + path + ");"));
        emitNewline();
        return;
    }
    emitString("require_once(" + doubleQuotedPath(path));
    endCallStatement();
}

void translateInclude(const std::string& token)
{
    newlineState = 0;
    std::string path = stripQuotes(token);
    bool velandro = hasVelExtension(path);
    if (!velandro && !hasPhpExtension(path))
        return;
    emitText("include_once(");
    emitString(velandro ? includeTarget(token) : token);
    endCallStatement();
}

// --- Comments and native code

std::string phpComment(const std::string& commentToken)
{
    std::string text = "//";
    for (size_t i = 1; i < commentToken.size(); ++i) {
        text += commentToken[i];
        if (commentToken[i] == '?' && i + 1 < commentToken.size() && commentToken[i + 1] == '>')
            text += ' ';
    }
    return text;
}

void takeNativeCode(const std::string& token)
{
    rawText = token;
    if (rawText.compare(0, 2, "~~") != 0) {
        syntaxError();
        return;
    }
    rawText.erase(0, 2);
    if (token.size() < 4 || token.compare(token.size() - 2, 2, "~~") != 0) {
        syntaxError();
        return;
    }
    rawText.erase(rawText.size() - 2);
}

// --- "$" in PHP double-quoted strings

namespace {
bool isLabelStart(char c)
{
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

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

void takeTemplate(const std::string& token)
{
    rawText.clear();
    std::string copy = token;
    if (splitInterpolation(copy)) {
        for (const std::string& piece : interpolationPieces)
            rawText += piece;
        std::printf("%d) uninterpol true\n", lineNumber);
        std::fflush(stdout);
    } else {
        rawText = quotedTemplate(stripQuotes(token));
    }
    currentType = typeText;
    lineNumber += countLineEnds(token);
}

// --- Literals

void appendIntegerLiteral(const std::string& token)
{
    std::string text = token;
    currentType = typeInteger;
    if (!text.empty() && text.back() == 'n') {
        text.pop_back();
        currentType = typeNatural;
    } else if (!text.empty() && (text.back() == 'L' || text.back() == 'l')) {
        text.pop_back();  // PHP has no long suffix
    }
    exprAppend(text);
}

void appendRealLiteral(const std::string& token)
{
    std::string text = stripRealSuffix(token);
    if (!text.empty() && (text.back() == 'f' || text.back() == 'F'))
        text.pop_back();  // PHP has no float suffix
    exprAppend(text);
    currentType = typeReal;
}

// A string token as PHP text (a single-quoted one holds no variables).
static std::string phpStringLiteral(const std::string& token)
{
    if (token.size() >= 2 && token[0] == '"')
        return "\"" + guardStringVariables(token.substr(1, token.size() - 2)) + "\"";
    return token;
}

void appendStringLiteral(const std::string& token)
{
    exprAppend(phpStringLiteral(token));
    currentType = typeText;
}

void appendKeywordValue(const char* text, int type)
{
    exprAppendText(text);
    currentType = type;
}

void appendThis()
{
    // PHP has no $this outside an object
    if (!inClass)
        reportError(5);
    appendKeywordValue("$this", typeObject);
}

// --- Signs and nil

void appendSign(char sign)
{
    const std::string& text = exprText[exprLevel];
    if (!text.empty() && text.back() == sign)
        exprAppendChar(' ');
    exprAppendChar(sign);
}

// PHP takes a sign as a product with -1 or 1, and "~" on numbers and texts
// only: what else they meet throws at run time.
static bool signOperandOk(int type, bool bitNot)
{
    switch (type) {
    case typeUnknown:
    case typeByte:
    case typeNumber:
    case typeInteger:
    case typeLong:
    case typeReal:
    case typeNatural:
    case typeSmallReal:
    case typeText:
    case typeVar:
    case typeCharPtr:
    case typeScalar:
    case typeNil:
    case typeBytePtr:
    case typeChar:
        return true;
    case typeBoolean:
        return !bitNot;
    default:
        return false;
    }
}

void checkSignOperand(bool bitNot, int start)
{
    if (bitNot && isFractional(currentType)) {
        std::string& text = exprText[exprLevel];
        size_t from = static_cast<size_t>(start);
        text.replace(from, std::string::npos, cutFraction(text.substr(from), currentType));
        currentType = typeInteger;
    }
    if (signOperandOk(currentType, bitNot))
        return;
    reportRequiredType(3);
    currentType = typeInteger;
}

void fillNilValue(int start)
{
    if (currentType == typeNil && exprLength() == start)
        exprAppendText("null");
}

void fillNilBitNot(int start)
{
    if (currentType == typeNil && exprLength() == start)
        exprAppendText("0");
}

void fillNilOperands(int leftStart, int operatorAt, int rightAt, int left, int right)
{
    if (right == typeNil && exprLength() == rightAt)
        exprAppend(defaultValueOf(left));
    if (left == typeNil && operatorAt == leftStart)
        exprText[exprLevel].insert(static_cast<size_t>(leftStart), defaultValueOf(right));
}

// --- Operator completions

void completeLogical(int leftStart, int operatorAt, int rightAt)
{
    int left = popLeftType();
    int right = currentType;
    fillNilOperands(leftStart, operatorAt, rightAt, left, right);
    checkLogical(left, right);
}

void completeArithmetic(int leftStart, int operatorAt, int rightAt, int word)
{
    int left = popLeftType();
    int right = currentType;
    if (left == typeNil && operatorAt == leftStart) {
        // the left default goes in before the operator
        int filled = static_cast<int>(defaultValueOf(right).size());
        fillNilOperands(leftStart, operatorAt, rightAt, left, right);
        operatorAt += filled;
        rightAt += filled;
    } else {
        fillNilOperands(leftStart, operatorAt, rightAt, left, right);
    }
    // "%", "<<" and ">>" work on integers: a real operand is cut (the right
    // one first, which leaves the left one's positions as they are)
    if (word == 61 || word == 57) {
        std::string& text = exprText[exprLevel];
        size_t from = static_cast<size_t>(leftStart), to = static_cast<size_t>(operatorAt);
        size_t rightFrom = static_cast<size_t>(rightAt);
        text.replace(rightFrom, std::string::npos, cutFraction(text.substr(rightFrom), right));
        text.replace(from, to - from, cutFraction(text.substr(from, to - from), left));
    }
    // PHP has no "*", "/", "%", "<<" or ">>" on arrays: it throws at run time
    if (isArrayType(left) || isArrayType(right)) {
        reportOperatorTypeError(word, left, right);
        currentType = 0;
        return;
    }
    checkArithmetic(left, right, word);
}

// The right operand, which starts right after the operator character, as
// a one-element array.
static void wrapRightOperand()
{
    std::string& text = exprText[exprLevel];
    size_t at = static_cast<size_t>(operatorMark) + 1;
    // An empty right operand (nil) still makes an empty array.
    text.insert(at < text.size() ? at : text.size(), "array(");
    exprAppendCloseParen();
}

// "+" and "-" on arrays: the operator becomes "," and the function that
// does the work encloses everything from the first operand on.
static void arrayOperation(int resultType, int right, char op, int key, bool checked)
{
    if (!checked) {
        if (!isArrayType(right) && right != typeVar)
            wrapRightOperand();
        else
            checkArrayOperand(resultType, right);
        // a var operand may hold a single value: as an array it is one
        if (right == typeVar) {
            exprInsertAt(operatorMark + 1, "(array)(");
            exprAppendCloseParen();
        }
        if (resultType == typeVar) {
            exprInsertAt(operatorMark, ")");
            insertAtOperandMark("(array)(");
            operatorMark += 9;
        }
    }
    setCharAtOperatorMark(',');
    if (op == '+') {
        insertAtOperandMark("array_merge(");
        exprAppendCloseParen();
    } else if (key == typeArray) {
        insertAtOperandMark("array_values(array_diff(");
        exprAppendText("))");
    } else {
        insertAtOperandMark("array_diff(");
        exprAppendCloseParen();
    }
    // the functions give an array whatever a var operand held
    if (resultType == typeVar)
        resultType = isArrayType(right) ? right : typeArray;
    currentType = resultType;
}

// PHP 8 ranks "." below "+" and "-": a join followed by "-" in one chain
// is put in parentheses, so that the chain still works from the left.
static bool enclosePreviousJoin(bool& joined, char op)
{
    if (!joined || op != '-')
        return false;
    exprInsertAt(operatorMark, ")");
    insertAtOperandMark("(");
    operatorMark += 2;
    joined = false;
    return true;
}

bool completeAdditive(int rightAt, bool& joined)
{
    int left = popLeftType();
    char op = charAtOperatorMark();
    bool enclosedJoin = enclosePreviousJoin(joined, op);
    if (enclosedJoin)
        rightAt += 2;
    int right = currentType;
    int key = left == typeVar ? right : left;
    bool rightNil = right == typeNil && exprLength() == rightAt;
    bool leftNil = left == typeNil && operatorMark == operandMark;

    // a char * holds a text in PHP: "+" joins it too
    if (key == typeText || key == typeCharPtr) {
        if (op == '+') {
            setCharAtOperatorMark('.');
            joined = true;
            // ".1" would read as a number
            if (rightAt < exprLength() && std::isdigit(static_cast<unsigned char>(exprText[exprLevel][rightAt])))
                exprInsertAt(rightAt, " ");
        }
        if (rightNil)
            exprAppend(defaultValueOf(left));
        checkArithmetic(left, right, 58);
    } else if (key == typeArray || key == typeDict) {
        arrayOperation(left, right, op, key, false);
        return true;
    } else if (key == typeList) {
        arrayOperation(isArrayType(right) ? right : typeArray, right, op, key, false);
        return true;
    } else if (isTypedArray(key)) {
        if (isTypedArray(right)) {
            checkSameArrayType(left, right);
        } else {
            checkElementAssign(left, right);
            wrapRightOperand();
        }
        arrayOperation(left, right, op, key, true);
        return true;
    } else {
        if (rightNil)
            exprAppend(defaultValueOf(left));
        if (leftNil) {
            std::string empty = defaultValueOf(right);
            exprInsertAt(operandMark, empty);
            operatorMark += static_cast<int>(empty.size());
        }
        // nil before a text is joined to it, and before an array it takes
        // the difference: PHP throws on "+" between texts and "-" between arrays
        if (left == typeNil && op == '+' && (right == typeText || right == typeCharPtr)) {
            setCharAtOperatorMark('.');
            joined = true;
        } else if (left == typeNil && op == '-' && isArrayType(right)) {
            arrayOperation(right, right, op, right, true);
            return true;
        }
        checkArithmetic(left, right, 58);
    }
    return enclosedJoin;
}

bool completeListOperator()
{
    int left = leftTypeStack.empty() ? 0 : leftTypeStack.back();
    int right = currentType;
    int key = left == typeVar ? right : left;
    if (right == typeNil && exprLength() == 0)
        exprAppend(defaultValueOf(left));
    if (left == typeNil && !savedOperandTexts.empty() && savedOperandTexts.back().empty())
        savedOperandTexts.back() = defaultValueOf(right);
    translateListOperator();
    return key == typeByte || key == typeNumber || key == typeInteger || key == typeReal ||
           key == typeNatural;
}

void wrapExpressionFrom(int position)
{
    exprText[exprLevel].insert(static_cast<size_t>(position), "(");
    exprAppendCloseParen();
}

// --- Comparisons and membership

void prepareComparisonLeft(int start, bool compared)
{
    if (compared || bitwiseOperand)
        wrapExpressionFrom(start);
}

void completeComparison(int start, int operatorAt, int rightAt)
{
    int left = popLeftType();
    int right = currentType;
    if (right == typeNil) {
        if (exprLength() == rightAt)
            exprAppend(defaultValueOf(left));
    } else if ((isArrayKind(left) || isArrayKind(right)) && charAtOperatorMark() == '=') {
        setCharAtOperatorMark(' ');
    }
    if (left == typeNil && operatorAt == start)
        exprText[exprLevel].insert(static_cast<size_t>(start), defaultValueOf(right));
    checkRelational(left, right);
}

std::string takeTestSubject(int start, bool compared)
{
    std::string& text = exprText[exprLevel];
    std::string before = text.substr(0, static_cast<size_t>(start));
    text.erase(0, static_cast<size_t>(start));
    if (currentType == typeNil && text.empty())
        text = "null";
    else if (compared || bitwiseOperand)
        text = "(" + text + ")";
    setIdentifierSlot(text);
    return before;
}

void restoreBeforeTest(const std::string& before)
{
    exprText[exprLevel].insert(0, before);
}

void completeRangeTest(const std::string& subject, int subjectType)
{
    std::string test = notInFlag ? "!(" : "(";
    // the subject stands twice
    RepeatedText named = repeatedText(subject);
    test += named.first + ">=" + rangeStart + "&&" + named.again + (rangeInclusive ? "<=" : "<") +
            rangeEnd + ")";
    exprAppend(test);
    checkOperandForOperator(subjectType, typeVar);
}

void completeListTest(const std::string& subject, int subjectType)
{
    rightOperandText = currentExpression();
    clearExpression();
    popNotInFlag();
    if (notInFlag)
        exprAppendChar('!');
    int container = currentType;
    std::string test;
    if (container == typeVar || container == typeList) {
        test = "in_array(" + subject + "," + rightOperandText + ")";
    } else {
        test = translateInList();
        currentType = container;
    }
    exprAppend(test.empty() ? "false" : test);
    // a text is searched with strpos, which throws on an array or an object
    // to look for, and deprecates null
    if (container == typeText &&
        (isArrayType(subjectType) || subjectType == typeObject || subjectType == typeNil)) {
        reportErrorName(38, typeName(container));
        currentType = 0;
        return;
    }
    checkOperandForOperator(subjectType, container);
}

// --- Print, echo, input

void writePrintList()
{
    if (exprLevel == 0 && isArrayType(exprTypeAt(0))) {
        emitText("print_r(");
        emitString(exprText[0]);
        emitText(");echo \"\\n\"");
    } else {
        emitEcho(true);
        emitText(", \"\\n\"");
    }
}

void translateInput()
{
    int targetType = currentType;
    switch (targetType) {
    case typeBoolean: case typeNumber: case typeInteger: case typeReal: case typeNatural:
    case typeText: case typeBytePtr:
        break;
    default:
        reportError(2);
    }
    // The target as the target rule wrote it (a PHP name leaves no code buffer).
    std::string target = currentExpression();
    if (target.empty())
        target = codeBuffer;
    if (!inputPrompt.empty()) {
        emitIndented("echo ");
        emitString(phpStringLiteral(inputPrompt));
        endStatement();
    }
    // Every input reads the one standard input stream: a stream opened and
    // closed per input would read ahead and drop the lines after the first.
    emitIndented("$fp=STDIN;");
    emitNewline();
    // A number target takes the line as a number: a text there would make
    // PHP 8 throw on arithmetic when the line is no number (or at the end
    // of the input).
    std::string line = "rtrim(fgets($fp,65536))";
    if (targetType == typeInteger || targetType == typeNatural)
        line = "intVal(" + line + ")";
    else if (targetType == typeReal || targetType == typeNumber)
        line = "floatval(" + line + ")";
    emitIndented(target + "=" + line);
}

// --- Conversions

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

void openConversionCall()
{
    objectConversion = 0;
    switch (conversionTarget) {
    case typeNumber: case typeReal:
        exprAppendText("doubleval(");
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

// --- Types and modifiers

int declaredType = 0;
int namedTypeFlag = 0;
std::string modifierText;

void beginDeclaration()
{
    assignTargetMode = 0;   // a target left half parsed by a syntax error ends here
    currentKind = 1;
    staticModifier = 0;
    modifierText.clear();
}

bool atClassLevel()
{
    return inClass && !inFunction && !inBlockScope;
}

void writeModifier(const char* text)
{
    modifierText += text;
    if (atClassLevel())
        emitText(text);
}

void classTypeName(const std::string& name)
{
    qualifiedClassName = name;
    if (namedValueTable.find(name)) {
        currentClassIndex = -5;
        namedTypeFlag = 128;
    } else {
        currentClassIndex = symbolTable.classIndexOrError(name);
    }
}

void finishClassType()
{
    if (!symbolTable.isClassName(qualifiedClassName)) {
        declaredType = typeObject;
        return;
    }
    declaredType = currentType == typeObjectArray ? typeObjectArray : symbolTable.foundClassType();
    qualifiedClassName = symbolTable.foundClassName();
}

// --- Variable declarations

int declarationKind = 0;
int errorCatchingDeclaration = 0;

namespace {
int listType = 0;
int listKind = 0;
int listClassIndex = 0;
int declaratorIndex = 0;    // declarators of the list written so far
int declaratorHasValue = 0;

bool isConstantKind(int kind)
{
    return kind >= 3 && kind <= 5;
}
}

void beginDeclarationList()
{
    listType = currentType;
    listKind = currentKind;
    listClassIndex = currentClassIndex;
    declaratorIndex = 0;
}

void beginDeclarator()
{
    currentType = listType;
    currentKind = listKind;
    currentClassIndex = listClassIndex;
    declaredType = currentType;
    initializerTargetType = currentType;
    lvalueFlag = currentType;
    deferredText.clear();
    errorCatchingDeclaration = 0;
    declaratorHasValue = 0;
}

void declareDeclarator()
{
    if (atClassLevel()) {
        currentKind = 1;
        declarationKind = 1;
    } else {
        declarationKind = currentKind;
    }
    declareVariable(64);
    lvalueText = currentIdentifier;
}

void defaultDeclaratorValue()
{
    int type = currentType;
    const char* value = "0";
    if (type == typeArray || type == typeDict || isTypedArray(type))
        value = "array()";
    else if (type == typeText)
        value = "\"\"";
    // A constant without a value is still a constant: its uses are written
    // as the bare name.
    if (declarationKind == 4)
        deferredText = "define(\"" + lvalueText + "\"," + value + ")";
    else
        deferredText = dollarName(lvalueText) + "=" + value;
}

void beginConstantDefinition()
{
    declaratorHasValue = 1;
    resetAssignLists();
    addLvalue();
    returnedValueIndex = 0;
    // A declaration's value is checked as a plain assignment, whatever the
    // operator of the last assignment statement was.
    setAssignOperator('=');
}

void finishConstantDefinition()
{
    rewindLvalues();
    rewindRvalues();
    int target = lvalueType();
    int value = rvalueType();
    if (declarationKind == 4)
        deferredText += "define(\"" + lvalueText + "\",";
    else
        deferredText += "$" + lvalueText + "=";
    if (errorCatchingDeclaration)
        deferredText += "@";

    std::string text = currentRvalue();
    if (isArrayKind(target)) {
        // A list in parentheses; a parenthesised array keeps its text.
        if (!text.empty() && text[0] == '(' && !isArrayKind(value) && value != typeVar &&
            value != typeNil) {
            text = "array" + text;
            setRvalueType(target);
        } else if (isTypedArray(target) && isArrayType(value)) {
            setRvalueType(target);
        }
        if (text.empty())
            text = defaultValueOf(target);  // nil
    } else if (value == typeNil) {
        text = defaultValueOf(target);
    } else if (needsIntval(target, value)) {
        text = wrapIntval(text);
    }
    deferredText += text;
    translateMultipleAssignment();
}

void finishDeclarator()
{
    if (declarationKind == 4 && declaratorHasValue)
        deferredText += ")";
    deferredText += ";";
    bool classLevel = atClassLevel();
    if (staticModifier && !classLevel) {
        reportError(5);
    } else if (classLevel) {
        // The modifiers of a field stand in place of "var"; the first
        // declarator had them written by the modifier rule.
        if (modifierText.empty())
            emitText("var ");
        else if (declaratorIndex > 0)
            emitString(modifierText);
        emitString(deferredText);
    } else {
        emitString(deferredText);
    }
    if (errorCatchingDeclaration && !staticModifier) {
        emitNewline();
        emitString("$error=" + (declarationKind == 4 ? lvalueText : "$" + lvalueText));
        emitSemicolonNewline();
    }
    ++declaratorIndex;
}

void addInitializerValue()
{
    std::string text = currentExpression();
    int type = currentType;
    int kind = 2;
    bool scalar = false, wrapped = false;
    if (isTypedArray(type)) {
        rvalueFlag = type;
        kind = 3;
    } else if (type == typeArray || type == typeDict || type == typeList) {
        rvalueFlag = typeList;
        kind = 6;
    } else if (type == typeVar || type == typeNil) {
        kind = 2;
    } else if (type == typeTuple) {
        kind = 5;
    } else {
        scalar = true;
        wrapped = isArrayType(initializerTargetType);
        if (wrapped)
            text = "array(" + text + ")";
    }
    addRvalueTyped(text, type, kind);
    rvalueList.entries[static_cast<size_t>(rvalueList.count - 1)].scalar = scalar;
    rvalueList.entries[static_cast<size_t>(rvalueList.count - 1)].wrapped = wrapped;
}

// --- Assignment statements

void beginAssignment()
{
    resetAssignLists();
    resetExpressions();
    currentKind = 2;
    assignTargetCount = 1;
    returnedValueIndex = 0;
}

void setValueTargetType()
{
    if (lvalueList.count <= 0)
        return;
    int position = rvalueList.count < lvalueList.count ? rvalueList.count : lvalueList.count - 1;
    initializerTargetType = lvalueList.entries[static_cast<size_t>(position)].type;
}

// --- References

void SegmentState::save()
{
    containerType = sliceContainerType;
    staticAccessValue = staticAccess;
    staticFlagValue = staticFlag;
    ownerName = ownerClassName;
    ownerIndex = ownerClassIndex;
    instanceMember = instanceMemberFlag;
    segmentCount = referenceSegmentCount;
    classIndex = currentClassIndex;
    targetMode = assignTargetMode;
    seen = sliceSeen;
    // The names of a bound are read, even in an assignment target.
    assignTargetMode = 0;
}

void SegmentState::restore() const
{
    sliceContainerType = containerType;
    staticAccess = staticAccessValue;
    staticFlag = staticFlagValue;
    ownerClassName = ownerName;
    ownerClassIndex = ownerIndex;
    instanceMemberFlag = instanceMember;
    referenceSegmentCount = segmentCount;
    currentClassIndex = classIndex;
    assignTargetMode = targetMode;
    sliceSeen = seen;
}

namespace {
// A text that must stand as it is: already a PHP variable, or a member
// reached through its class (self::$count).
bool isCompleteReference(const std::string& text)
{
    return (!text.empty() && text[0] == '$') || text.find("::") != std::string::npos;
}

// Names PHP reads as its own words, whatever their case: a constant named
// so cannot stand bare, but define() takes it and constant() reads it.
bool isPhpReservedName(const std::string& name)
{
    static const char* const words[] = {
        "abstract", "and", "array", "as", "break", "callable", "case", "catch", "class",
        "clone", "const", "continue", "declare", "default", "die", "do", "echo", "else",
        "elseif", "empty", "enddeclare", "endfor", "endforeach", "endif", "endswitch",
        "endwhile", "eval", "exit", "extends", "false", "final", "finally", "fn", "for",
        "foreach", "function", "global", "goto", "if", "implements", "include",
        "include_once", "instanceof", "insteadof", "interface", "isset", "list", "match",
        "namespace", "new", "null", "or", "print", "private", "protected", "public",
        "readonly", "require", "require_once", "return", "static", "switch", "throw",
        "trait", "true", "try", "unset", "use", "var", "while", "xor", "yield"};
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const char* word : words)
        if (lower == word)
            return true;
    return false;
}

// "$" or "$this->" before the looked-up name in codeBuffer; constants and
// enumeration items stand as their bare name or value.
void prefixLookedUpName(int instanceMember)
{
    if (isConstantKind(currentKind)) {
        if (isPhpReservedName(codeBuffer))
            codeBuffer = "constant(\"" + codeBuffer + "\")";
        return;
    }
    if (isCompleteReference(codeBuffer))
        return;
    codeBuffer.insert(0, instanceMember ? "$this->" : "$");
}
}

void beginSegment(const std::string& name)
{
    sliceSeen = 0;
    memberName = name;
    referenceAccessKind = 1;
    rvalueFlag = 0;
    if (referenceSegmentCount < 1) {
        codeBuffer += memberName;
        currentIdentifier = memberName;
        if (symbolTable.isClassName(currentIdentifier)) {
            currentType = typeClass;
            instanceMemberFlag = 0;
            staticFlag = 1;
            ownerClassName = currentIdentifier;
            staticAccess = 1;
        } else {
            lookupIdentifierInExpression();
            instanceMemberFlag = isInstanceMember(currentIdentifier);
            staticFlag = 0;
            ownerClassName = symbolTable.classNameOfInstance(currentIdentifier, false);
            staticAccess = 0;
            prefixLookedUpName(instanceMemberFlag);
        }
    } else {
        if (staticFlag)
            codeBuffer += "$";
        codeBuffer += memberName;
        resolveClassMember();
    }
    ++referenceSegmentCount;
    sliceContainerType = currentType;
}

static bool isTextType(int type) { return type == typeText || type == typeCharPtr; }

// What "[i]" and slices may stand after: PHP throws when an index or a
// slice is assigned to anything else, and reads nothing from it.
static bool isIndexable(int type)
{
    return type == 0 || type == typeVar || isTextType(type) || isArrayType(type);
}

void finishIndex(const std::string& bound)
{
    // Texts too take "[i]": the brace form is gone from PHP 8.
    indexText = "[" + bound + "]";
    codeBuffer += indexText;
    int container = sliceContainerType;
    if (isTypedArray(container))
        currentType = elementType(container);
    else if (container == typeText || container == typeCharPtr)
        currentType = container;
    else
        currentType = typeVar;
    indexedContainerType = container;
    referenceAccessKind = 2;
    if (sliceSeen)
        reportError(17);
    else if (!isIndexable(container))
        reportError(16);
    // a further bracket stands after this element
    sliceContainerType = currentType;
}

void checkIntervalBound()
{
    if (isTextType(currentType))
        reportError(51);
}

void checkIndexBound(int boundType)
{
    indexedByText = isTextType(boundType);
    if (isTextType(sliceContainerType) && isTextType(boundType))
        reportError(51);
}

void finishSlice()
{
    // A slice is array_slice or substr: PHP throws on any other container.
    if (!isIndexable(sliceContainerType))
        reportError(16);
    if (assignTargetMode)
        translateIntervalAssign(assignInterval);
    else
        translateIntervalRead(readInterval);
    currentType = sliceContainerType;
    referenceAccessKind = 3;
    sliceSeen = 1;
}

void finishCurrentElement()
{
    // current() and key() take an array only: PHP throws on a text or a
    // number, and an object is deprecated there.
    if (currentType != 0 && currentType != typeVar && !isArrayType(currentType))
        reportError(16);
    if (assignTargetMode) {
        // The target stands twice, and a target cannot be a temporary: a
        // chain of "[]" long enough to double it out of bounds is refused.
        if (codeBuffer.size() > longRepeatedText)
            reportError(5);
        else
            codeBuffer += "[key(" + codeBuffer + ")]";
    } else {
        codeBuffer = "current(" + codeBuffer + ")";
    }
    // The container of this element, for the removal of a nil assignment.
    indexedContainerType = currentType;
    indexedByText = 0;
    if (isTypedArray(currentType))
        currentType = elementType(currentType);
    else if (currentType == typeArray || currentType == typeDict)
        currentType = typeVar;
    sliceContainerType = currentType;
    referenceAccessKind = 2;
    if (sliceSeen)
        reportError(17);
}

void finishReference()
{
    if (!assignTargetMode)
        rvalueFlag = currentType;
}

void prefixNameText()
{
    prefixLookedUpName(isConstantKind(currentKind) ? 0 : isInstanceMember(currentIdentifier));
}

void beginMemberAccess(const std::string& name)
{
    codeBuffer.clear();
    referenceSegmentCount = 0;
    currentIdentifier = name;
    if (symbolTable.isClassName(name)) {
        staticFlag = 1;
        ownerClassName = name;
        codeBuffer = name;
    } else {
        codeBuffer = name;
        lookupIdentifierInExpression();
        staticFlag = 0;
        instanceMemberFlag = isInstanceMember(name);
        ownerClassName = symbolTable.classNameOfInstance(name, false);
        prefixLookedUpName(instanceMemberFlag);
    }
    ownerClassIndex = -1;
}

void memberAccessStep(const std::string& name)
{
    // A static member is a class property: Counter::$total.
    codeBuffer += staticFlag ? "::$" : "->";
    ++referenceSegmentCount;
    memberName = name;
    codeBuffer += name;
    resolveClassMember();
    checkStaticAttribute();
}
