#include "parser/expression_actions.h"

#include <cctype>

#include "emit/emit.h"
#include "parser/state.h"
#include "semantic/semantic.h"

int bitwiseOperand = 0;

// --- Signs and nil

// plusOperator: PLUS, minusOperator: MINUS
// writes: + or -, after a blank where the same sign stands before ("- -1")
void appendSign(char sign)
{
    const std::string& text = exprText[exprLevel];
    if (!text.empty() && text.back() == sign)
        exprAppendChar(' ');
    exprAppendChar(sign);
}

// signedOperand, unaryExpression: the operand's type takes the sign or "~"
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


// A position recorded on the current level, kept within its text: a level
// a syntax error left shorter never takes text past its end.
static size_t levelPosition(int position)
{
    size_t size = exprText[exprLevel].size();
    if (position < 0)
        return 0;
    return static_cast<size_t>(position) < size ? static_cast<size_t>(position) : size;
}

// signedOperand: ("+" | "-")+ operand, unaryExpression: "~" signExpression
// writes: a real operand of "~" cut to an integer; checks: a number or text
// for a sign, no boolean for "~" ("integer required, found ...")
void checkSignOperand(bool bitNot, int start)
{
    if (bitNot && isFractional(currentType)) {
        std::string& text = exprText[exprLevel];
        size_t from = levelPosition(start);
        text.replace(from, std::string::npos, cutFraction(text.substr(from), currentType));
        currentType = typeInteger;
    }
    if (signOperandOk(currentType, bitNot))
        return;
    reportRequiredType(Msg::requiredInteger);
    currentType = typeInteger;
}

// printStatement, echoStatement, signedOperand, ...: a nil that stands alone
// writes: null where the nil left no text
void fillNilValue(int start)
{
    if (currentType == typeNil && exprLength() == start)
        exprAppendText("null");
}

// unaryExpression: "not" signExpression
// writes: null for a bare nil (the rule wrote "!"); the result is a boolean
void completeNot(int start)
{
    fillNilValue(start);
    currentType = typeBoolean;
}

// unaryExpression: "~" signExpression
// writes: 0 for a bare nil after the "~"
void fillNilBitNot(int start)
{
    if (currentType == typeNil && exprLength() == start)
        exprAppendText("0");
}

// expression, bitOrExpression: a nil operand of a binary operator
// writes: the other operand's default value in place of the nil
void fillNilOperands(int leftStart, int operatorAt, int rightAt, int left, int right)
{
    if (right == typeNil && exprLength() == rightAt)
        exprAppend(defaultValueOf(left));
    if (left == typeNil && operatorAt == leftStart)
        exprText[exprLevel].insert(levelPosition(leftStart), defaultValueOf(right));
}

// --- Operator completions

// expression: bitOrExpression ("and" | "or") bitOrExpression
// writes: a nil operand as its default (the rule wrote && or ||); checks the types
void completeLogical(int leftStart, int operatorAt, int rightAt)
{
    int left = popLeftType();
    int right = currentType;
    fillNilOperands(leftStart, operatorAt, rightAt, left, right);
    checkLogical(left, right);
}

// bitOrExpression: operand ("*" | "/" | "mod" | "<<" | ">>") operand
// writes: a real operand of "%", "<<" or ">>" cut to an integer;
// checks: no array operand (they throw in PHP), the operator's types
void completeArithmetic(int leftStart, int operatorAt, int rightAt, Msg word)
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
    if (word == Msg::wordModulo || word == Msg::wordShift) {
        std::string& text = exprText[exprLevel];
        size_t from = levelPosition(leftStart), to = levelPosition(operatorAt);
        size_t rightFrom = levelPosition(rightAt);
        if (to < from)
            to = from;
        // only a real operand is rewritten: the left one may be a long chain
        if (isFractional(right))
            text.replace(rightFrom, std::string::npos, cutFraction(text.substr(rightFrom), right));
        if (isFractional(left))
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

// bitOrExpression: operand ("+" | "-") operand, a scalar added to an array
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

// bitOrExpression: array ("+" | "-") operand
// "+" and "-" on arrays: the operator becomes "," and the function that
// does the work encloses everything from the first operand on:
//   a + b  array_merge($a,$b), on a dict array_replace($d,$e) (its keys kept)
//   a - b  array_diff($a,$b), on a list array_values(array_diff($a,$b))
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
        insertAtOperandMark(key == typeDict ? "array_replace(" : "array_merge(");
        exprAppendCloseParen();
    } else if (isListType(key)) {
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

// bitOrExpression: a + b - c on texts
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

// bitOrExpression: operand ("+" | "-") operand
// writes: . for "+" on texts, array_merge/array_replace/array_diff on arrays
// ((a.b)-c for a join before "-"); checks: the operand types
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
        checkArithmetic(left, right, Msg::wordAddSubtract);
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
        checkArithmetic(left, right, Msg::wordAddSubtract);
    }
    return enclosedJoin;
}

// bitOrExpression: operand ("&" | "^" | "|") operand
// writes: the bit operator, or the set operation on arrays; true for numbers
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

// expression, bitOrExpression: an operand PHP would rank otherwise
// writes: ( before the operand at `position` and ) after it
void wrapExpressionFrom(int position)
{
    exprText[exprLevel].insert(levelPosition(position), "(");
    exprAppendCloseParen();
}

// --- Comparisons and membership

// expression: bitOrExpression comparisonOperator ..., before the operator
// writes: (left) for a comparison or a bit operation as the left operand
void prepareComparisonLeft(int start, bool compared)
{
    if (compared || bitwiseOperand)
        wrapExpressionFrom(start);
}

namespace {
// expression: an operand of a comparison compared by value when real
bool isNumberType(int type)
{
    return type == typeByte || type == typeNumber || type == typeInteger || type == typeReal ||
           type == typeNatural;
}
}

// expression: bitOrExpression ("=" | "!=" | "<>") bitOrExpression
// "=", "!=" and "<>" once both operand types are known: written "===" and
// "!==" at `operatorAt`, they become
//   a = b, a != b on arrays (arrays set):       " ==", "!="
//   on two numbers one of them real, or two booleans: "==", "!="
// A real or boolean variable may hold an integer (one declared without a
// value holds 0), so those compare by value.
void settleEquality(int operatorAt, int left, int right, bool arrays)
{
    std::string& text = exprText[exprLevel];
    size_t at = levelPosition(operatorAt);
    bool equal = text.compare(at, 3, "===") == 0;
    if (!equal && text.compare(at, 3, "!==") != 0)
        return;
    if (arrays && (isArrayKind(left) || isArrayKind(right))) {
        if (equal)
            text[at] = ' ';
        else
            text.erase(at + 2, 1);
    } else if ((isNumberType(left) && isNumberType(right) &&
                (left == typeReal || right == typeReal)) ||
               (left == typeBoolean && right == typeBoolean)) {
        text.erase(equal ? at : at + 2, 1);
    }
}

// expression: bitOrExpression comparisonOperator bitOrExpression
// writes: a nil operand as the other's default, the settled equality operator;
// checks: the operand types compare
void completeComparison(int start, int operatorAt, int rightAt)
{
    int left = popLeftType();
    int right = currentType;
    if (right == typeNil) {
        if (exprLength() == rightAt)
            exprAppend(defaultValueOf(left));
    } else {
        settleEquality(operatorAt, left, right, true);
    }
    if (left == typeNil && operatorAt == start)
        exprText[exprLevel].insert(levelPosition(start), defaultValueOf(right));
    checkRelational(left, right);
}

// expression: bitOrExpression ("not")? "in" inTest, before "in"
// writes nothing; takes the subject off the level (null for a nil, (x) after a
// comparison or bit operation)
std::string takeTestSubject(int start, bool compared)
{
    std::string& text = exprText[exprLevel];
    std::string before = text.substr(0, levelPosition(start));
    text.erase(0, before.size());
    if (currentType == typeNil && text.empty())
        text = "null";
    else if (compared || bitwiseOperand)
        text = "(" + text + ")";
    setIdentifierSlot(text);
    return before;
}

// expression: ... "in" inTest, after the test
// writes: what stood before the subject, back in front of the test
void restoreBeforeTest(const std::string& before)
{
    exprText[exprLevel].insert(0, before);
}

// inTest: rangeBounds
// writes: ($x>=lo&&$x<=hi) ("<" for "--"), !(...) after "not"; checks the subject
void completeRangeTest(const TestSubject& subject)
{
    int subjectType = subject.type;
    // the bounds may hold tests and calls of their own
    popNotInFlag();
    std::string test = notInFlag ? "!(" : "(";
    // the subject stands twice
    RepeatedText named = repeatedText(subject.name);
    test += named.first + ">=" + rangeStart + "&&" + named.again + (rangeInclusive ? "<=" : "<") +
            rangeEnd + ")";
    exprAppend(test);
    checkOperandForOperator(subjectType, typeVar);
}

// inTest: bitOrExpression
// writes: in_array(x,list), (strpos(t,x)!==false) for a text, ! first after
// "not"; checks: no array, object or nil looked for in a text (code 38)
void completeListTest(const TestSubject& subject)
{
    int subjectType = subject.type;
    rightOperandText = currentExpression();
    clearExpression();
    popNotInFlag();
    if (notInFlag)
        exprAppendChar('!');
    int container = currentType;
    std::string test;
    if (container == typeVar || container == typeList) {
        test = inArrayText(subject.name, rightOperandText, subjectType, container);
    } else {
        test = translateInList(subjectType);
        currentType = container;
    }
    exprAppend(test.empty() ? "false" : test);
    // a text is searched with strpos, which throws on an array or an object
    // to look for, and deprecates null
    if (container == typeText &&
        (isArrayType(subjectType) || subjectType == typeObject || subjectType == typeNil)) {
        reportErrorName(Msg::operatorMismatch, typeName(container));
        currentType = 0;
        return;
    }
    checkOperandForOperator(subjectType, container);
}

// --- Operator chains

namespace {
// The list operator code of each bit level.
const int listOperatorCodes[] = {2, 3, 1};
}

// bitOrExpression: operand (operator operand)*, before the first operand
// A new chain: its state is every level's initial one already.
void TermChain::open()
{
    pushExpressions(bitAndLevel - bitOrLevel + 1);
    // The new level is empty: the operand starts at 0, as do the shift and
    // product levels (their starts are 0 already).
    operandMark = 0;
}

// bitOrExpression: at its end
// writes: the operations still open, completed, into the level below
// With no operator waiting the levels close at once.
void TermChain::close()
{
    if (pending_ != 0) {
        if (closeAbove(bitOrLevel - 1))
            stop_.throwTooDeep();
        return;
    }
    sumWraps_.release();
    for (ListLevel& list : lists_)
        list.wraps.release();
    popExpressionsAppend(bitAndLevel - bitOrLevel + 1);
    bitwiseOperand = lists_[bitOrLevel].own || lists_[bitXorLevel].own || lists_[bitAndLevel].own;
}

// bitOrExpression: the levels from `level` on are opened for an operand
void TermChain::openFrom(int level)
{
    pending_ &= ~(~0u << level);
    for (; level <= productLevel; ++level) {
        switch (level) {
        case bitOrLevel:
        case bitXorLevel:
        case bitAndLevel:
            pushExpression();
            lists_[level].own = false;
            break;
        case shiftLevel:
            shiftStart_ = exprLength();
            shiftJoined_ = false;
            break;
        case additiveLevel:
            markOperandStart();
            sumJoined_ = false;
            break;
        default:
            productStart_ = exprLength();
            break;
        }
    }
}

// bitOrExpression: the operations above `level` are completed before an
// operator of lower precedence
bool TermChain::closeAbove(int level)
{
    for (int top = productLevel; top > level; --top)
        if (closeLevel(top))
            return true;
    return false;
}

// bitOrExpression: one level closes, and completes the operation below it
bool TermChain::closeLevel(int level)
{
    switch (level) {
    case bitOrLevel:
    case bitXorLevel:
    case bitAndLevel: {
        ListLevel& list = lists_[level];
        popExpressionAppend();
        bitwiseOperand = list.own || (level != bitAndLevel && bitwiseOperand);
        list.wraps.release();
        break;
    }
    case additiveLevel:
        sumWraps_.release();
        break;
    default:
        break;
    }
    return level > bitOrLevel && completeOperand(level - 1);
}

// bitOrExpression: the right operand at `level` is complete
// writes: the operation's PHP form (completeListOperator, completeArithmetic,
// completeAdditive); true when the chain is nested too deeply
bool TermChain::completeOperand(int level)
{
    if (level == shiftLevel)
        shiftJoined_ = sumJoined_;   // what the sum chain before it or after it ended in
    if (!pending(level))
        return false;
    pending_ &= ~(1u << level);
    switch (level) {
    case bitOrLevel:
    case bitXorLevel:
    case bitAndLevel: {
        ListLevel& list = lists_[level];
        if (completeListOperator())
            list.own = true;
        else if (list.wraps.add())
            return true;
        break;
    }
    case shiftLevel:
        if (shiftJoined_)
            wrapExpressionFrom(shiftRightAt_);
        completeArithmetic(shiftStart_, shiftOperatorAt_, shiftRightAt_, Msg::wordShift);
        break;
    default:   // additiveLevel
        if (completeAdditive(sumRightAt_, sumJoined_) && sumWraps_.add())
            return true;
        break;
    }
    return countOperator();
}

// bitOrExpression: operand ("*" | "/" | "mod"), before the operator
void TermChain::beginProduct()
{
    productOperatorAt_ = exprLength();
    pushLeftType();
}

// bitOrExpression: ("*" | "/" | "mod") operand, after the operator
void TermChain::takeProductOperator()
{
    productWord_ = operatorWord;
    productRightAt_ = exprLength();
    pending_ |= 1u << productLevel;
}

// bitOrExpression: operand ("*" | "/" | "mod") operand
bool TermChain::completeProduct()
{
    pending_ &= ~(1u << productLevel);
    completeArithmetic(productStart_, productOperatorAt_, productRightAt_, productWord_);
    return countOperator();
}

// bitOrExpression: operand ("+" | "-"), before the operator
void TermChain::beginSum()
{
    if (closeAbove(additiveLevel))
        stop_.throwTooDeep();
    markOperatorPosition();
    pushLeftType();
}

// bitOrExpression: operand ("<<" | ">>"), before the operator
// writes: (left) for a left operand that ends in a join of texts
void TermChain::beginShift()
{
    if (closeAbove(shiftLevel))
        stop_.throwTooDeep();
    if (shiftJoined_)
        wrapExpressionFrom(shiftStart_);
    shiftOperatorAt_ = exprLength();
    pushLeftType();
}

// bitOrExpression: operand ("&" | "^" | "|"), before the operator
void TermChain::beginListOperator(TermLevel level)
{
    if (closeAbove(level))
        stop_.throwTooDeep();
    saveLeftOperand();
    pushListOperator(listOperatorCodes[level]);
}

// bitOrExpression: operator operand, after the operator
void TermChain::openRightOperandOn(TermLevel level)
{
    if (level == shiftLevel)
        shiftRightAt_ = exprLength();
    else if (level == additiveLevel)
        sumRightAt_ = exprLength();
    openFrom(level + 1);
    pending_ |= 1u << level;
}

// expression: bitOrExpression "and" bitOrExpression
bool TestChain::completeAnd()
{
    if (!andPending_)
        return false;
    andPending_ = false;
    completeLogical(andStart_, andOperatorAt_, andRightAt_);
    return countOperator();
}

// expression: bitOrExpression "or" bitOrExpression
bool TestChain::completeOr()
{
    if (!orPending_)
        return false;
    orPending_ = false;
    completeLogical(orStart_, orOperatorAt_, orRightAt_);
    return countOperator();
}

// expression: before "and" or "or"
// The comparisons' level closes; so does its operand of an "and".
bool TestChain::closeComparisons()
{
    wraps_.release();
    return completeAnd();
}

// expression: ... "or", before the operator
void TestChain::beginOr()
{
    if (closeComparisons() || completeOr())
        stop_.throwTooDeep();
    orOperatorAt_ = exprLength();
    pushLeftType();
}

// expression: ... "and", before the operator
void TestChain::beginAnd()
{
    if (closeComparisons())
        stop_.throwTooDeep();
    andOperatorAt_ = exprLength();
    pushLeftType();
}

// expression: "or" bitOrExpression, before the operand
void TestChain::openOrOperand()
{
    orRightAt_ = exprLength();
    orPending_ = true;
    andStart_ = start_ = exprLength();
    compared_ = false;
}

// expression: "and" bitOrExpression, before the operand
void TestChain::openAndOperand()
{
    andRightAt_ = exprLength();
    andPending_ = true;
    start_ = exprLength();
    compared_ = false;
}

// expression: bitOrExpression comparisonOperator, before the operator
// writes: (left) for a comparison or a bit operation as the left operand
void TestChain::beginComparison()
{
    if ((compared_ || bitwiseOperand) && wraps_.add())
        stop_.throwTooDeep();
    prepareComparisonLeft(start_, compared_);
    operatorAt_ = exprLength();
    markOperatorPosition();
    pushLeftType();
}

// expression: comparisonOperator bitOrExpression, after the operator
void TestChain::takeComparisonOperator()
{
    rightAt_ = exprLength();
}

// expression: bitOrExpression comparisonOperator bitOrExpression
// writes: (right) for a bit operation, then as ::completeComparison
void TestChain::completeComparison()
{
    if (bitwiseOperand)
        wrapExpressionFrom(rightAt_);
    ::completeComparison(start_, operatorAt_, rightAt_);
    compared_ = true;
    if (countOperator())
        stop_.throwTooDeep();
}

// expression: bitOrExpression ("not")? "in" inTest, before "in"
void TestChain::takeSubject()
{
    before_ = takeTestSubject(start_, compared_);
}

// expression: bitOrExpression "not" "in" inTest, before "in"
void TestChain::takeNegatedSubject()
{
    notInFlag = 1;
    takeSubject();
}

// expression: ... "in" inTest, after the test
void TestChain::completeTest()
{
    restoreBeforeTest(before_);
    compared_ = false;
    bitwiseOperand = 0;
    if (countOperator())
        stop_.throwTooDeep();
}

// --- The steps of the expression rules

// inTest: the part after "in" or "not in"
// writes: nothing; the subject is taken from the identifier slot, the
// level's text cleared for the test, the negation kept (pushNotInFlag)
TestSubject takeMembershipSubject()
{
    TestSubject subject;
    subject.name = identifierSlotName();
    subject.type = identifierSlotType();
    leftOperandText = subject.name;
    clearExpression();
    pushNotInFlag();   // the bounds' calls and tests clear it
    return subject;
}

// productOperator: ( MUL | DIV | "mod" ) [EOL]
// writes: *   /   %
void appendProductOperator(const char* text, Msg word)
{
    exprAppendText(text);
    operatorWord = word;
}

// boundExpression: boundTerm (("+" | "-") boundTerm)*
// boundTerm: boundOperand (productOperator boundOperand)*
void checkBoundOperands(Msg word)
{
    int left = popLeftType();
    checkArithmetic(left, currentType, word);
}

// signedOperand: ( plusOperator | minusOperator )+ operand
// writes: nothing more; a nil operand gets a text (checks: the sign fits
// the operand's type)
void completeSignedOperand(int start)
{
    // A bare nil stays empty for the operator that takes it; after a
    // sign it needs a text.
    fillNilValue(start);
    checkSignOperand(false, start);
}

// unaryExpression: bitNotOperator signExpression
// writes: 0 for a nil operand (checks: "~" fits the operand's type)
void completeBitNot(int start)
{
    fillNilBitNot(start);
    checkSignOperand(true, start);
}

// primaryExpression: leftParen expression RIGHTPAR
// writes: (expression)   (null for a nil one)
void closeParenthesizedOperand()
{
    fillNilValue(0);
    popExpressionParenthesized();
}

// rangeBounds: boundExpression rangeOperator boundExpression
// writes: nothing yet; the range's start is kept for the test
void takeTestRangeStart()
{
    rangeStart = currentExpression();
    clearExpression();
}

// rangeBounds: after the end bound
// writes: nothing yet; the range's end is kept for the test
void takeTestRangeEnd()
{
    rangeEnd = currentExpression();
    clearExpression();
}
