#include "emit/assign.h"

#include <cctype>

#include "emit/calls.h"
#include "emit/code_buffer.h"
#include "emit/expr_levels.h"
#include "emit/output.h"
#include "emit/slices.h"
#include "emit/state.h"
#include "emit/translators.h"
#include "semantic/messages.h"
#include "semantic/types.h"

LvalueList lvalueList;
RvalueList rvalueList;

const LvalueEntry& LvalueList::atCursor() const
{
    static const LvalueEntry none;
    return cursor >= 0 && cursor < count ? entries[cursor] : none;
}

const RvalueEntry& RvalueList::atCursor() const
{
    static const RvalueEntry none;
    return cursor >= 0 && cursor < count ? entries[cursor] : none;
}

void resetAssignLists()
{
    lvalueList.count = lvalueList.cursor = 0;
    rvalueList.count = rvalueList.cursor = 0;
    assignedFlag = symbolAssigned;
}

void resetRvalues() { rvalueList.count = rvalueList.cursor = 0; }

// Each entry is filled where it stands in the list: an entry holds an
// interval of six texts, and a copy of a whole entry costs each of them.
static LvalueEntry& nextLvalueSlot()
{
    if (lvalueList.entries.size() <= static_cast<size_t>(lvalueList.count))
        lvalueList.entries.resize(static_cast<size_t>(lvalueList.count) + 1);
    return lvalueList.entries[lvalueList.count++];
}

static void appendLvalue(const std::string& text)
{
    LvalueEntry& entry = nextLvalueSlot();
    entry.text = text;
    entry.type = currentType;
    entry.accessKind = referenceAccessKind;
    entry.flag = lvalueFlag;
    entry.containerType = indexedContainerType;
    entry.textKey = indexedByText != 0;
    // Only a slice target reads its interval.
    if (referenceAccessKind == accessSlice)
        entry.interval = assignInterval;
}

void addLvalue() { appendLvalue(lvalueText); }
void addLvalueExpr() { appendLvalue(exprText[static_cast<size_t>(exprLevel)]); }
void rewindLvalues() { lvalueList.cursor = 0; }
void rewindRvalues() { rvalueList.cursor = 0; }
std::string currentLvalue() { return lvalueList.atCursor().text; }
std::string currentRvalue() { return rvalueList.atCursor().text; }
int lvalueAccessKind() { return lvalueList.atCursor().accessKind; }
int lvalueFlagAt() { return lvalueList.atCursor().flag; }
int rvalueFlagAt() { return rvalueList.atCursor().flag; }

void nextLvalue()
{
    if (lvalueList.cursor <= lvalueList.count)
        ++lvalueList.cursor;
}

void advanceRvalue()
{
    if (rvalueList.cursor <= rvalueList.count)
        ++rvalueList.cursor;
}

std::string nextRvalue()
{
    std::string text = currentRvalue();
    advanceRvalue();
    return text;
}

int prevLvalue()
{
    if (lvalueList.cursor > 0)
        --lvalueList.cursor;
    return lvalueList.cursor;
}

int lastLvalue()
{
    lvalueList.cursor = lvalueList.count - 1;
    return lvalueList.cursor;
}

void addRvalueTyped(const std::string& text, int type, int kind)
{
    if (rvalueList.entries.size() <= static_cast<size_t>(rvalueList.count))
        rvalueList.entries.resize(static_cast<size_t>(rvalueList.count) + 1);
    RvalueEntry& entry = rvalueList.entries[rvalueList.count++];
    entry.text = text;
    entry.type = type;
    entry.kind = kind;
    entry.flag = rvalueFlag;
    entry.scalar = false;
    entry.wrapped = false;
}

void addRvalue(const std::string& text) { addRvalueTyped(text, currentType, 0); }

void setRvalueType(int type)
{
    if (rvalueList.cursor >= 0 && rvalueList.cursor < rvalueList.count)
        rvalueList.entries[rvalueList.cursor].type = type;
}

void emitAssignOperator()
{
    switch (assignOperator) {
    case '=':
        emitText("=");
        break;
    case '<':
        emitText("<<=");
        break;
    case '>':
        emitText(">>=");
        break;
    default:
        emitChar(assignOperator);
        emitText("=");
        break;
    }
}

// Each target with the value at the cursor, as a pair; the values move on
// with the targets, or one value serves them all.
static void translatePairs(bool oneValue)
{
    for (int i = 0; i < lvalueList.count; ++i) {
        if (i > 0)
            emitIndent();
        translateMultipleAssignment();
        translateArrayAssignOp();
        nextLvalue();
        if (!oneValue)
            advanceRvalue();
    }
}

void translateAssignment()
{
    if (lvalueList.count == rvalueList.count) {
        rewindLvalues();
        rewindRvalues();
        translatePairs(false);
    } else if (rvalueList.count == 1) {
        rewindLvalues();
        rewindRvalues();
        if (isArrayType(rvalueType()))
            setRvalueType(typeVar);
        int kind = rvalueKind();
        if (kind == 1 || kind == 3 || kind == 5 || kind == 6)
            translateAssignUnpack();
        else
            translateAssignLoop();
    } else {
        reportAssignCount(lvalueList.count, rvalueList.count);
    }
}

void translateAssignUnpack()
{
    incGenerator();
    std::string temp = newTempName();
    emitString(temp + "=" + currentRvalue() + ";\n");
    for (int i = 0; i < lvalueList.count; ++i) {
        translateMultipleAssignment();
        emitIndent();
        emitString(currentLvalue());
        emitAssignOperator();
        emitString((i == 0 ? "reset(" : "next(") + temp + ");\n");
        nextLvalue();
    }
    decGenerator();
}

void translateAssignLoop()
{
    // nil has no text a temporary could hold: each target takes it as in a
    // pair of its own (an element is removed, a variable reports it)
    if (rvalueType() == typeNil) {
        translatePairs(true);
        return;
    }
    incGenerator();
    std::string temp = newTempName();
    const RvalueEntry value = rvalueList.atCursor();
    emitString(temp + "=" + value.text + ";\n");
    for (int n = lvalueList.count; n > 0; --n) {
        translateMultipleAssignment();
        // A scalar was wrapped, or not, for the first target: a target of
        // the other kind takes it unwrapped, or wrapped.
        std::string copy = temp;
        if (value.scalar && value.wrapped && !isArrayType(lvalueType()))
            copy = temp + "[0]";
        else if (value.scalar && !value.wrapped && isArrayType(lvalueType()))
            copy = "array(" + temp + ")";
        if (assignOperator != '=' && lvalueAccessKind() != accessSlice) {
            // a compound operator takes the checks and array forms it has
            // with a value of its own
            emitIndent();
            RvalueEntry& entry = rvalueList.entries[rvalueList.cursor];
            std::string own = entry.text;
            entry.text = copy;
            translateArrayAssignOp();
            entry.text = own;
            newlineState = 1;
            nextLvalue();
            continue;
        }
        std::string line;
        if (lvalueAccessKind() == accessSlice) {
            reportError(Msg::illegalInterval);
            line = stripDollar(currentLvalue());
        } else {
            line = dollarName(stripDollar(currentLvalue()));
        }
        emitIndent();
        emitString(line);
        emitAssignOperator();
        emitString(copy + ";\n");
        newlineState = 1;
        nextLvalue();
    }
    lvalueList.count = 0;   // every target has had its copy
    decGenerator();
}

namespace {
// Operators written as PHP array functions on an array target.
bool hasArrayForm(char op)
{
    return op == '+' || op == '-' || op == '#' || op == '&' || op == '|' || op == '^';
}

// Message word of an operator that arrays do not support.
Msg operatorWordOf(char op)
{
    switch (op) {
    case '*':
        return Msg::wordMultiply;
    case '/':
        return Msg::wordDivide;
    case '%':
        return Msg::wordModulo;
    case '<':
    case '>':
        return Msg::wordShift;
    default:
        return Msg::wordArray;
    }
}

bool isIntegerOperator(char op)
{
    return op == '%' || op == '<' || op == '>' || op == '|' || op == '&' || op == '^';
}

// dollarName(stripDollar(lvalue)), written without building it: in the
// usual case ("$name" stays "$name") the target's own text.
void emitTargetName(const std::string& lvalue)
{
    std::string_view name = withoutDollar(lvalue);
    bool dollar = takesDollar(name);
    if (dollar == (name.size() != lvalue.size())) {
        emitString(lvalue);
        return;
    }
    if (dollar)
        emitChar('$');
    emitString(std::string(name));
}

// A compound operator that can leave a fraction in an integer target.
bool isFractionalStep(char op, int l, int r)
{
    return l == 5 && (op == '/' || ((op == '+' || op == '-' || op == '*') && isFractional(r)));
}

// The value as the right operand of the target: a name or an unsigned
// number as it is, anything else in parentheses.
std::string rightOperand(const std::string& value)
{
    if (isVariableText(value))
        return value;
    bool number = !value.empty();
    for (char c : value)
        number = number && (std::isdigit(static_cast<unsigned char>(c)) || c == '.');
    return number ? value : "(" + value + ")";
}

// The target is the lvalue's text as the list holds it.
// A compound assignment to an integer target whose value can be fractional
// (w / 2, or k + r with a real r) writes the plain form: $w=intVal($w/2);
// and $k=intVal($k+$r); the result is cut, as the plain form's is.
void writePlainAssignment(const std::string& lvalue, const std::string& value, int l, int r)
{
    if (isFractionalStep(assignOperator, l, r) && r != typeNil) {
        std::string name = dollarName(stripDollar(lvalue));
        emitString(name + "=" + wrapIntval(name + assignOperator + rightOperand(value)) + ";\n");
        return;
    }
    if (isIntegerOperator(assignOperator) && (isFractional(l) || isFractional(r)) && r != typeNil) {
        // a real operand is cut: the operator is written out, and the value,
        // the whole right side of the compound operator, stays whole
        std::string name = dollarName(stripDollar(lvalue));
        std::string left = cutFraction(name, l);
        std::string right = isFractional(r) ? cutFraction(value, r) : "(" + value + ")";
        std::string op = assignOperator == '<' ? "<<" : assignOperator == '>' ? ">>"
                                                    : std::string(1, assignOperator);
        emitString(name + "=" + left + op + right + ";\n");
        return;
    }
    emitTargetName(lvalue);
    emitAssignOperator();
    if (r == typeNil) {
        // nil stands for the target type's empty value; it is refused here.
        emitString(defaultValueOf(l));
        reportCantAssign(l, r);
    } else if (needsIntval(l, r)) {
        emitString(wrapIntval(value));
    } else {
        emitString(value);
    }
    emitText(";\n");
}

// a whole-array operator:  a + b, a - b, a & b ...
// writes: $a=array_merge($a,$b); ($d=array_replace($d,$e); on a dict, whose
// keys stay), $a=array_values(array_diff($a,$b)); on a list ($a=array_diff(
// $a,$b); else), and the set operators, numbered again on a list
void writeArrayAssignment(const std::string& text, std::string value, int l, int r, char op)
{
    std::string target = dollarName(text);
    // a var target may hold a single value: as an array it is one
    std::string operand = l == typeVar ? "(array)(" + target + ")" : target;
    if (r == typeNil)
        value = "array()";
    else if (r == typeVar)
        value = "(array)(" + value + ")";   // a var may hold a single value
    // a var target is what its value makes it
    int kind = l == typeVar ? r : l;
    switch (op) {
    case '+':
        emitString(target + (kind == typeDict ? "=array_replace(" : "=array_merge(") + operand +
                   "," + value + ");\n");
        break;
    case '-':
        if (isListType(kind))
            emitString(target + "=array_values(array_diff(" + operand + "," + value + "));\n");
        else
            emitString(target + "=array_diff(" + operand + "," + value + ");\n");
        break;
    default: {
        leftOperandText = operand;
        rightOperandText = value;
        translateListSetOp(op == '|' ? 2 : op == '^' ? 3 : 1, isListType(kind));
        emitString(target + "=" + setOperationText + ";\n");
        break;
    }
    }
}

// The bounds of a dict slice read again as those of an array slice, from
// what the interval itself recorded.
void refillAsArraySlice()
{
    std::string savedCode = codeBuffer, savedStart = sliceStart, savedEnd = sliceEnd;
    int savedType = sliceContainerType, savedInclusive = rangeInclusive;
    codeBuffer = assignInterval.container;
    sliceStart = assignInterval.lowerSource;
    sliceEnd = assignInterval.upperSource;
    rangeInclusive = assignInterval.inclusive;
    sliceContainerType = typeArray;
    translateIntervalAssign(assignInterval);
    codeBuffer = savedCode;
    sliceStart = savedStart;
    sliceEnd = savedEnd;
    rangeInclusive = savedInclusive;
    sliceContainerType = savedType;
}
}

void translateArrayAssignOp()
{
    const LvalueEntry& target = lvalueList.atCursor();
    // Read in place: each assignment passes here, and nothing below
    // changes either list.
    std::string_view text = withoutDollar(target.text);
    const std::string& value = rvalueList.atCursor().text;
    int l = lvalueType();
    int r = rvalueType();
    char op = assignOperator;
    int kind = target.accessKind;

    // A compound operator on an array-typed target works on the whole array,
    // and so does one that has an array form with an array value on a var
    // target, as in an expression.
    if (op != '=' && (kind == accessName || kind == accessElementOrCall) &&
        (isArrayType(l) || (l == typeVar && isArrayType(r) && hasArrayForm(op))))
        kind = accessWholeArray;
    // Any other operator on a var target throws on an array value.
    if (op != '=' && op != '.' && (kind == accessName || kind == accessElementOrCall) &&
        l == typeVar && isArrayType(r)) {
        reportOperatorTypeError(operatorWordOf(op), l, r);
        return;
    }

    switch (kind) {
    case accessElementOrCall: {
        bool character = target.containerType == typeText || target.containerType == typeCharPtr;
        if (r == typeNil && op == '=') {
            // a key names the element: array_splice takes positions only
            if (target.containerType == typeDict || target.textKey)
                translateArrayRemoveValue(std::string(text));
            else if (character)
                reportError(Msg::arraysRequired);   // a character of a text cannot be removed
            else
                translateArrayRemoveAt(std::string(text));
            return;
        }
        // PHP refuses every compound assignment to a character of a text
        if (character && op != '=')
            reportError(Msg::onlyEqualHere);
        if (l == typeText && op == '+')
            setAssignOperator('.');
        writePlainAssignment(target.text, value, l, r);
        return;
    }
    case accessName:
        writePlainAssignment(target.text, value, l, r);
        return;
    case accessWholeArray:
        if (op == '=') {
            writePlainAssignment(target.text, r == typeNil ? "array()" : value, l, r);
        } else if (hasArrayForm(op)) {
            writeArrayAssignment(std::string(text), value, l, r, op);
        } else {
            // PHP has no such operator on arrays: it would fail at run time.
            reportOperatorTypeError(operatorWordOf(op), l, r);
        }
        return;
    case accessSlice:
        // The slice this target recorded: a later slice target of the same
        // statement has filled assignInterval again since.
        assignInterval = target.interval;
        if (op != '=')
            reportErrorText("ERROR_EQUAL");
        if (l == typeDict && r == typeNil) {
            refillAsArraySlice();
            emitString(translateDictRemoval(assignInterval) + ";\n");
            return;
        }
        assignInterval.valueText = r == typeNil ? "false" : value;
        emitString(translateInterval(assignInterval) + ";\n");
        return;
    default:
        internalError(5002);
        return;
    }
}

// error-catching assignment:  x := f()
// writes: if(($error=@(V))!==false || T===null) T=$error;
// and for a text value: if(($error=@(V))!="" || T===null)T=$error; then a
// line "else $error=false;". The comparison stands outside the parentheses:
// a result PHP counts as false (0, "0") is a success like any other, and
// only a target never set (null, not 0 or "") takes a failure.
void translateErrorAssign()
{
    rewindLvalues();
    rewindRvalues();
    translateMultipleAssignment();
    int l = lvalueType();
    int r = rvalueType();
    std::string target = currentLvalue();
    if (lvalueAccessKind() != accessSlice)
        target = dollarName(target);
    std::string value;
    if (r == typeNil)
        value = defaultValueOf(l);
    else if (needsIntval(l, r))
        value = wrapIntval(currentRvalue());
    else
        value = currentRvalue();

    if (r == typeText) {
        emitString("if(($error=@(" + value + "))!=\"\" || " + target + "===null)");
        emitString(target + "=$error;\n");
        emitIndent();
        emitText("else $error=false;\n");
    } else {
        emitString("if(($error=@(" + value + "))!==false || " + target + "===null) ");
        emitString(target + "=$error;\n");
    }
}
