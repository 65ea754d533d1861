#include "parser/statement_actions.h"

#include <vector>

#include "VelandroTokenTypes.hpp"
#include "emit/emit.h"
#include "emit/statements.h"
#include "parser/expression_actions.h"
#include "parser/nesting.h"
#include "parser/state.h"
#include "semantic/semantic.h"

// --- Block scopes

namespace {
std::vector<std::string> phpClosers;   // of the PHP blocks open, innermost last
}

void openPhpBlock(const std::string& closer) { phpClosers.push_back(closer); }

void closePhpBlocks(int count)
{
    for (; count > 0 && !phpClosers.empty(); --count)
        phpClosers.pop_back();
}

void openIfBlock()
{
    emitIfHead();
    openPhpBlock("}");
}

void openElseBlock()
{
    emitElseHead();
    openPhpBlock("}");
}

void closeBlock()
{
    emitCloseBrace();
    closePhpBlocks(1);
}

void enterBlock() { symbolTable.enterBlockScope(); }

void leaveBlock() { symbolTable.leaveBlockScope(); }

OpenedState saveOpened()
{
    OpenedState opened;
    opened.phpBlocks = phpClosers.size();
    opened.blockDepth = blockDepth;
    opened.counterIndex = nestingCounterIndex;
    opened.identifierIndex = identifierIndex;
    opened.loopKind = loopKind;
    opened.loopKinds = loopKindStack.size();
    opened.indentLevel = indentLevel;
    opened.generatorCounter = generatorCounter;
    return opened;
}

void restoreOpened(const OpenedState& opened)
{
    while (blockDepth > opened.blockDepth)
        leaveBlock();
    nestingCounterIndex = opened.counterIndex;
    identifierIndex = opened.identifierIndex;
    if (loopKindStack.size() > opened.loopKinds)
        loopKindStack.resize(opened.loopKinds);
    loopKind = opened.loopKind;
    indentLevel = opened.indentLevel;
    generatorCounter = opened.generatorCounter;
    // what the statement left half written ends its line, and the blocks
    // it opened are closed
    if (newlineState == 0)
        emitNewline();
    while (phpClosers.size() > opened.phpBlocks) {
        emitIndented(phpClosers.back());
        emitNewline();
        phpClosers.pop_back();
    }
}

// --- Open statements

namespace {
std::vector<int> openClosers;
bool isCloserType(int type);
}

OpenStatement::OpenStatement(int closer) : depth_(openClosers.size())
{
    openClosers.push_back(closer);
}

OpenStatement::~OpenStatement() { openClosers.resize(depth_); }

bool strayCloserAhead(int type)
{
    if (!isCloserType(type))
        return false;
    for (int closer : openClosers)
        if (closer == type)
            return false;
    return true;
}

// --- Nesting

bool blocksTooDeep(int blocks)
{
    return blockDepth + blocks >= maxBlockDepth;
}

void reportBlocksTooDeep() { reportErrorText("too many nested blocks"); }

bool headerOneLine = false;

namespace {

using T = VelandroTokenTypes;
constexpr int endOfInput = 1;   // the runtime's EOF type
// Looking ahead holds every token it passes: a skip looks no further than
// this, and takes a block longer than this as one that does not close.
constexpr int maxSkipLookahead = 200000;
// Once a skip has looked as far as the end of the code (or as far as it
// may) without finding its block's end, every statement after it lies in
// that unclosed stretch, and many of them, each looking as far again,
// would cost time quadratic in their number: from then on a skip looks no
// further than this.
constexpr int shortSkipLookahead = 1024;
bool lookedToTheEnd = false;

bool isOneLineStart(int type)
{
    switch (type) {
    case T::QUESTION: case T::LITERAL_break: case T::LITERAL_continue: case T::LITERAL_print:
    case T::LITERAL_return: case T::LITERAL_echo: case T::LITERAL_let: case T::LITERAL_input:
        return true;
    default:
        return false;
    }
}

bool endsLine(int type)
{
    return type == T::EOL || type == T::Q_COMMENT || type == T::CLOSEVEL || type == endOfInput;
}

// The closing keyword of a compound statement's block form, 0 for a token
// that begins none.
int closerOf(int keyword)
{
    switch (keyword) {
    case T::LITERAL_if: return T::SLASHIF;
    case T::LITERAL_while: return T::SLASHWHILE;
    case T::LITERAL_for: return T::SLASHFOR;
    case T::LITERAL_error: return T::SLASHERROR;
    case T::LITERAL_do: return T::SLASHDO;
    case T::LITERAL_try: return T::SLASHTRY;
    default: return 0;
    }
}

}  // namespace

namespace {

bool isCloserType(int type)
{
    return type == T::SLASHIF || type == T::SLASHWHILE || type == T::SLASHFOR
        || type == T::SLASHERROR || type == T::SLASHDO || type == T::SLASHTRY;
}

bool isCloser(int type) { return isCloserType(type); }

// Whether the compound statement at LA(1) has the block form: do and try
// always; the others unless a one-line body stands on the header's line
// before any ":". `decidedAt` is left at the offset of the token that
// decided (a header after this one and before it is decided by it too).
bool opensBlock(const TokenCursor& tokens, int offset, int& decidedAt)
{
    int keyword = tokens.la(offset + 1);
    decidedAt = offset + 1;
    if (keyword == T::LITERAL_do || keyword == T::LITERAL_try)
        return true;
    for (int i = offset + 2; i < offset + maxSkipLookahead; ++i) {
        int type = tokens.la(i);
        decidedAt = i;
        if (endsLine(type) || type == T::COLON)
            return true;
        if (isOneLineStart(type))
            return false;
    }
    return true;
}

// What ends the block of a case of a do statement.
bool isCaseEnd(int type)
{
    return type == T::LITERAL_case || type == T::LITERAL_else || type == T::LITERAL_always
        || type == T::LITERAL_until || type == T::SLASHDO;
}

void skipToken(const TokenCursor& tokens)
{
    lineNumber += tokens.lineEnds();
    tokens.consume();
}

}  // namespace

void resetSkipState() { lookedToTheEnd = false; }

namespace {

// The skip from a position where `closers` are open; `statementStart` when
// the next token may begin a statement. Without `consume` it only looks
// ahead. True when the statement closed; false at the end of the input or
// of the code, or at a closing keyword of an enclosing statement, where
// it stops.
bool skipFrom(const TokenCursor& tokens, std::vector<int> closers, bool statementStart,
              bool consume, bool toNextCase = false)
{
    int offset = 0;   // tokens looked at without consuming them
    auto at = [&](int i) { return tokens.la(offset + i); };
    bool stepMayFollow = false;    // a one-line while just ended its line
    // The last header's form and the token that decided it, counted from
    // the start: a header on the same line before that token has the same
    // form, and its line is not scanned again.
    long long passed = 0;   // tokens before at(1)
    long long decidedAt = -1;
    bool decidedBlock = false;
    for (;;) {
        int type = at(1);
        if (type == endOfInput || type == T::CLOSEVEL) {
            if (!consume)
                lookedToTheEnd = true;
            return false;
        }
        if (!consume && offset > (lookedToTheEnd ? shortSkipLookahead : maxSkipLookahead)) {
            lookedToTheEnd = true;
            return false;
        }
        bool atStart = statementStart;
        statementStart = false;
        if (toNextCase && atStart && closers.empty() && isCaseEnd(type))
            return true;
        if (atStart && stepMayFollow && type == T::LITERAL_let) {
            // the step of the one-line while before: part of it
            stepMayFollow = false;
        } else if (atStart && closerOf(type) != 0) {
            bool block = type == T::LITERAL_do || type == T::LITERAL_try;
            if (!block && passed < decidedAt) {
                block = decidedBlock;
            } else if (!block) {
                int decided = 0;
                block = opensBlock(tokens, offset, decided);
                decidedAt = passed + (decided - offset - 1);
                decidedBlock = block;
            }
            if (block)
                closers.push_back(closerOf(type));
            else
                stepMayFollow = type == T::LITERAL_while;
        } else if (atStart && type == T::LITERAL_let && !closers.empty()
                   && closers.back() == T::SLASHWHILE) {
            // a block while may end with its step instead of "/while"
            closers.pop_back();
        } else if (isCloser(type)) {
            size_t i = closers.size();
            while (i > 0 && closers[i - 1] != type)
                --i;
            if (i == 0)
                return false;
            closers.resize(i - 1);
        } else if (atStart) {
            stepMayFollow = false;
        }
        if (closers.empty() && endsLine(type) && !toNextCase) {
            // the statement ends with its line, unless a one-line while's
            // step follows on the next one
            if (!(type == T::EOL && stepMayFollow && at(2) == T::LITERAL_let))
                return true;
        }
        if (type == T::EOL || type == T::Q_COMMENT || type == T::SEMI || type == T::COLON)
            statementStart = true;
        if (consume)
            skipToken(tokens);
        else
            ++offset;
        ++passed;
    }
}

void skipRestOfLine(const TokenCursor& tokens)
{
    while (!endsLine(tokens.la(1)))
        skipToken(tokens);
}

}  // namespace

// A statement nested too deeply holds every statement nested in it: one
// pass to its end takes them all, so each of them is neither reported nor
// looked at again.
void skipCompoundStatement(const TokenCursor& tokens)
{
    skipFrom(tokens, {}, true, true);
}

bool lineHoldsOneLineBody(const TokenCursor& tokens)
{
    for (int i = 1; i < maxSkipLookahead; ++i) {
        int type = tokens.la(i);
        if (endsLine(type) || type == T::COLON)
            return false;
        if (isOneLineStart(type))
            return true;
    }
    return false;
}

void skipCaseBlock(const TokenCursor& tokens)
{
    if (skipFrom(tokens, {}, false, false, true))
        skipFrom(tokens, {}, false, true, true);
    else
        skipRestOfLine(tokens);
}

void skipBlockAfterHeader(const TokenCursor& tokens, int keyword)
{
    std::vector<int> closers;
    if (closerOf(keyword) != 0)
        closers.push_back(closerOf(keyword));
    if (skipFrom(tokens, closers, false, false))
        skipFrom(tokens, closers, false, true);
    else
        skipRestOfLine(tokens);
}

// --- Break and continue

bool writeLoopJump(bool isContinue)
{
    if (loopKindStack.empty()) {
        ::reportError(Msg::featureNotHere);
        return false;
    }
    emitString(loopJumpText(isContinue, loopKind));
    return true;
}

// --- Loops

void beginLoop(int kind)
{
    pushLoopKind();
    loopKind = kind;
}

void endLoop() { popLoopKind(); }

// --- Conditions

void fillEmptyCondition()
{
    if (currentExpression().empty())
        exprAppend("null");
}

// --- If

void setCompositeTestedValue()
{
    std::string tested = currentExpression();
    incGenerator();
    if (isIdentifier(tested)) {
        setIdentifierSlot(tested);
    } else {
        std::string temp = newTempName();
        emitIndented(temp + "=" + tested);
        endStatement();
        setIdentifierSlot(temp);
    }
    resetExpressions();
}

namespace {
// Whether the text is one parenthesized whole: its first "(" closes at its
// end (quoted texts skipped).
bool isParenthesized(const std::string& text)
{
    if (text.size() < 2 || text[0] != '(')
        return false;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\'' || c == '"') {
            for (++i; i < text.size() && text[i] != c; ++i)
                if (text[i] == '\\')
                    ++i;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && --depth == 0) {
            return i + 1 == text.size();
        }
    }
    return false;
}
}

int beginCompositeComparison()
{
    exprAppend(identifierSlotName());
    return exprLength();
}

int beginCompositeValue()
{
    // the value's operators are counted from here
    expressionOperators = 0;
    return exprLength();
}

// a composite if's test line:  if x / = a or b
// writes: $x===($a||$b)  (a value with operators in parentheses, unless it
// stands in them already: PHP ranks "===" above "&&", "||" and the bit
// operators)
void completeCompositeComparison(int operatorAt, int valueAt)
{
    int tested = identifierSlotType();
    if (currentType == typeNil)
        exprAppend(defaultValueOf(tested));
    else if (exprLength() == valueAt)
        exprAppend("null");   // a value a syntax error cut short
    else if (expressionOperators > 0 && !isParenthesized(exprText[exprLevel].substr(valueAt)))
        wrapExpressionFrom(valueAt);
    settleEquality(operatorAt, tested, currentType, false);
    checkRelational(tested, currentType);
}

void closeCountedBraces()
{
    int braces = getCounter();
    emitIndent();
    for (int i = 0; i < braces; ++i)
        emitChar('}');
    closePhpBlocks(braces);
}

// --- While

void writeWhileHead(bool forever)
{
    if (forever)
        emitText("while(true)");
    else
        emitString("while(" + currentExpression() + ")");
    emitOpenBrace();
    openPhpBlock("}");
    indentMore();
    enterBlock();
}

void beginWhileWrapper()
{
    emitIndented("do");
    emitOpenBrace();
    openPhpBlock("} while(false);");
}

void endWhileWrapper()
{
    emitIndent();
    emitText("} while(false);");
    emitNewline();
    closePhpBlocks(1);
}

void checkWhileSteps()
{
    if (whileStepCount >= 2)
        ::reportError(Msg::letUsedTwice);
}

// --- Do

void writeEmptyCase()
{
    resetExpressions();
    exprAppend("false");
    emitIndent();
    openIfBlock();
    closeBlock();
}

void beginDoStatement()
{
    enterBlock();
    resetExpressions();
    emitText("do");
    emitOpenBrace();
    openPhpBlock("} while(false);");
    beginLoop(doLoop);
    pushCounter();
    indentMore();
}

void endDoStatement()
{
    closePhpBlocks(1);
    popCounter();
    endLoop();
    leaveBlock();
}

// --- Error

void beginErrorStatement()
{
    emitText("if($error===false)");
    emitOpenBrace();
    openPhpBlock("}");
    enterBlock();
}

// --- Try

void beginTryStatement()
{
    emitText("try");
    emitNewline();
    emitIndented("{");
    openPhpBlock("} finally {}");
    indentMore();
    emitIndent();
    enterBlock();
    resetExpressions();
}

void beginCatch()
{
    leaveBlock();   // the try block's
    indentLess();
    emitIndented("}\n");
    closePhpBlocks(1);
    emitIndented("catch(");
}

void writeCaughtVariable()
{
    emitString(qualifiedClassName + " $");
    // a variable, whatever kind the last declaration or lookup left
    currentKind = kindDeclaration;
    staticModifier = 0;
    declareVariable(symbolAssigned);
    emitString(currentIdentifier);
    emitCloseParen();
    emitNewline();
}

void beginCatchBlock()
{
    emitIndented("{");
    openPhpBlock("}");
    indentMore();
    emitIndent();
    enterBlock();
    resetExpressions();
}

void closeTryStatement(bool caught)
{
    leaveBlock();
    indentLess();
    // PHP refuses a try without a catch or a finally
    emitIndented(caught ? "}" : "} finally {}");
    closePhpBlocks(1);
}

// --- Global

void writeGlobalStatement(const std::string& name)
{
    emitText("global $");
    emitString(name);
    emitSemicolon();
    emitIndent();
}

// --- For

void beginForStatement()
{
    enterBlock();
    resetExpressions();
    forKeyValue = 0;
    beginLoop(forLoop);
}

void takeForVariable(bool declared, bool second)
{
    if (declared) {
        currentKind = kindDeclaration;
        staticModifier = 0;
        declareVariable(symbolAssigned);
    } else {
        lookupIdentifier();
    }
    if (second) {
        forKeyValue = 1;
        setForValueVariable(currentIdentifier);
        resetExpressions();
    } else {
        setForVariable(currentIdentifier);
    }
}

void checkRangeVariable()
{
    if (typeMatrix[currentType][typeInteger] == 0)
        reportRequiredType(Msg::requiredSequence);   // "sequence"
}

void beginRangeSpec()
{
    rangeDescending = 0;
    stepNegative = 0;
    rangeStep.clear();
    resetExpressions();
}

void takeRangeStart()
{
    rangeStart = currentExpression();
    resetExpressions();
}

void takeRangeEnd()
{
    rangeEnd = currentExpression();
    if (constantRangeDescends(rangeStart, rangeEnd))
        rangeDescending = 1;
}

namespace {

// A positive constant step on bounds that count down counts down too; a
// negative constant one makes the loop count down.
void directStep()
{
    double value = 0;
    if (!constantValue(rangeStep, value))
        return;
    if (value < 0 && !stepNegative) {
        stepNegative = 1;
        rangeDescending += 1;
    } else if (value > 0 && rangeDescending) {
        rangeStep = negatedStep(rangeStep);
    }
}

}  // namespace

void takeLiteralStep(bool negative, const std::string& digits)
{
    std::string number = digits;
    // PHP has no literal suffixes
    while (!number.empty() && (number.back() == 'L' || number.back() == 'l' || number.back() == 'n'))
        number.pop_back();
    if (negative) {
        rangeStep = "-" + number;
        stepNegative = 1;
        rangeDescending += stepNegative;
    } else {
        rangeStep = number;
    }
    directStep();
}

void takeExpressionStep()
{
    rangeStep = currentExpression();
    directStep();
}

void writeRangeHeader()
{
    emitRangeHeader(forVariable, rangeStart, rangeEnd, rangeInclusive, rangeDescending, rangeStep);
    openPhpBlock("}");
}

void beginCollectionLoop() { resetExpressions(); }

void writeCollectionHeader()
{
    std::string collection = currentExpression();
    requireSequence();
    if (currentType == typeText)
        emitTextLoopHeader(collection, forVariable, forValueVariable, forKeyValue != 0,
                           symbolTable.scopeCounterText);
    else
        emitForeachHeader(collection, forVariable, forValueVariable, forKeyValue != 0);
    openPhpBlock("}");
}

void endForStatement()
{
    closeBlock();
    endLoop();
    leaveBlock();
}
