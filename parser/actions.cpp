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
    return out + "\"";
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

void appendStringLiteral(const std::string& token)
{
    exprAppend(token);
    currentType = typeText;
}

void appendKeywordValue(const char* text, int type)
{
    exprAppendText(text);
    currentType = type;
}

// --- Signs and nil

void appendSign(char sign)
{
    const std::string& text = exprText[exprLevel];
    if (!text.empty() && text.back() == sign)
        exprAppendChar(' ');
    exprAppendChar(sign);
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
    fillNilOperands(leftStart, operatorAt, rightAt, left, right);
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
    currentType = resultType;
}

void completeAdditive(int rightAt)
{
    int left = popLeftType();
    char op = charAtOperatorMark();
    int right = currentType;
    int key = left == typeVar ? right : left;
    bool rightNil = right == typeNil && exprLength() == rightAt;
    bool leftNil = left == typeNil && operatorMark == operandMark;

    if (key == typeText) {
        if (op == '+') {
            setCharAtOperatorMark('.');
            // ".1" would read as a number
            if (rightAt < exprLength() && std::isdigit(static_cast<unsigned char>(exprText[exprLevel][rightAt])))
                exprInsertAt(rightAt, " ");
        }
        if (rightNil)
            exprAppend(defaultValueOf(left));
        checkArithmetic(left, right, 58);
    } else if (key == typeArray || key == typeDict) {
        arrayOperation(left, right, op, key, false);
    } else if (key == typeList) {
        arrayOperation(isArrayType(right) ? right : typeArray, right, op, key, false);
    } else if (isTypedArray(key)) {
        if (isTypedArray(right)) {
            checkSameArrayType(left, right);
        } else {
            checkElementAssign(left, right);
            wrapRightOperand();
        }
        arrayOperation(left, right, op, key, true);
    } else {
        if (rightNil)
            exprAppend(defaultValueOf(left));
        if (leftNil)
            exprInsertAt(operandMark, defaultValueOf(right));
        checkArithmetic(left, right, 58);
    }
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
    test += subject + ">=" + rangeStart + "&&" + subject + (rangeInclusive ? "<=" : "<") +
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
    switch (currentType) {
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
        emitString(inputPrompt);
        endStatement();
    }
    emitIndented("$fp=fopen(\"php://stdin\",\"r\");");
    emitNewline();
    emitIndented(target + "=rtrim(fgets($fp,65536));");
    emitNewline();
    emitIndented("fclose($fp)");
}

// --- Conversions

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
