#include "parser/statement_actions.h"

#include <vector>

#include "VelandroTokenTypes.hpp"
#include "emit/emit.h"
#include "emit/statements.h"
#include "parser/state.h"
#include "semantic/semantic.h"

// --- Block scopes

void enterBlock() { symbolTable.enterBlockScope(); }

void leaveBlock() { symbolTable.leaveBlockScope(); }

OpenedState saveOpened()
{
    OpenedState opened;
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
    // what the statement left half written ends its line
    if (newlineState == 0)
        emitNewline();
}

// --- Nesting

bool blocksTooDeep(int blocks, bool nestingTooDeep)
{
    return nestingTooDeep || blockDepth + blocks >= maxBlockDepth;
}

void reportBlocksTooDeep() { reportErrorText("too many nested blocks"); }

namespace {

using T = VelandroTokenTypes;
constexpr int endOfInput = 1;   // the runtime's EOF type

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

bool isCloser(int type)
{
    return type == T::SLASHIF || type == T::SLASHWHILE || type == T::SLASHFOR
        || type == T::SLASHERROR || type == T::SLASHDO || type == T::SLASHTRY;
}

// Whether the compound statement at LA(1) has the block form: do and try
// always; the others unless a one-line body stands on the header's line
// before any ":".
bool opensBlock(const TokenCursor& tokens)
{
    int keyword = tokens.la(1);
    if (keyword == T::LITERAL_do || keyword == T::LITERAL_try)
        return true;
    for (int i = 2;; ++i) {
        int type = tokens.la(i);
        if (endsLine(type) || type == T::COLON)
            return true;
        if (isOneLineStart(type))
            return false;
    }
}

void skipToken(const TokenCursor& tokens)
{
    lineNumber += tokens.lineEnds();
    tokens.consume();
}

}  // namespace

void skipCompoundStatement(const TokenCursor& tokens)
{
    std::vector<int> closers;      // of the blocks open, innermost last
    bool statementStart = true;    // the next token may begin a statement
    bool stepMayFollow = false;    // a one-line while just ended its line
    for (;;) {
        int type = tokens.la(1);
        if (type == endOfInput || type == T::CLOSEVEL)
            return;
        bool atStart = statementStart;
        statementStart = false;
        if (atStart && stepMayFollow && type == T::LITERAL_let) {
            // the step of the one-line while before: part of it
            stepMayFollow = false;
        } else if (atStart && closerOf(type) != 0) {
            if (opensBlock(tokens))
                closers.push_back(closerOf(type));
            else
                stepMayFollow = type == T::LITERAL_while;
        } else if (atStart && type == T::LITERAL_let && !closers.empty()
                   && closers.back() == T::SLASHWHILE) {
            // a block while may end with its step instead of "/while"
            closers.pop_back();
        } else if (isCloser(type)) {
            for (size_t i = closers.size(); i > 0; --i) {
                if (closers[i - 1] == type) {
                    closers.resize(i - 1);
                    break;
                }
            }
        } else if (atStart) {
            stepMayFollow = false;
        }
        if (closers.empty() && endsLine(type)) {
            // the statement ends with its line, unless a one-line while's
            // step follows on the next one
            if (!(type == T::EOL && stepMayFollow && tokens.la(2) == T::LITERAL_let))
                return;
        }
        if (type == T::EOL || type == T::Q_COMMENT || type == T::SEMI || type == T::COLON)
            statementStart = true;
        skipToken(tokens);
    }
}

// --- Break and continue

void writeLoopJump(bool isContinue)
{
    if (loopKindStack.empty()) {
        ::reportError(5);
        return;
    }
    emitString(loopJumpText(isContinue, loopKind));
}

// --- Loops

void beginLoop(int kind)
{
    pushLoopKind();
    loopKind = kind;
}

void endLoop() { popLoopKind(); }

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

void beginCompositeComparison() { exprAppend(identifierSlotName()); }

void completeCompositeComparison()
{
    int tested = identifierSlotType();
    if (currentType == typeNil)
        exprAppend(defaultValueOf(tested));
    checkRelational(tested, currentType);
}

void closeCountedBraces()
{
    int braces = getCounter();
    emitIndent();
    for (int i = 0; i < braces; ++i)
        emitChar('}');
}

// --- While

void writeWhileHead(bool forever)
{
    if (forever)
        emitText("while(true)");
    else
        emitString("while(" + currentExpression() + ")");
    emitOpenBrace();
    indentMore();
    enterBlock();
}

void beginWhileWrapper()
{
    emitIndented("do");
    emitOpenBrace();
}

void endWhileWrapper()
{
    emitIndent();
    emitText("} while(false);");
    emitNewline();
}

void checkWhileSteps()
{
    if (whileStepCount >= 2)
        ::reportError(6);
}

// --- Do

void beginDoStatement()
{
    enterBlock();
    resetExpressions();
    emitText("do");
    emitOpenBrace();
    beginLoop(doLoop);
    pushCounter();
    indentMore();
}

void endDoStatement()
{
    popCounter();
    endLoop();
    leaveBlock();
}

// --- Error

void beginErrorStatement()
{
    emitText("if($error===false)");
    emitOpenBrace();
    enterBlock();
}

// --- Try

void beginTryStatement()
{
    emitText("try");
    emitNewline();
    emitIndented("{");
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
    emitIndented("catch(");
}

void writeCaughtVariable()
{
    emitString(qualifiedClassName + " $");
    // a variable, whatever kind the last declaration or lookup left
    currentKind = 1;
    staticModifier = 0;
    declareVariable(64);
    emitString(currentIdentifier);
    emitCloseParen();
    emitNewline();
}

void beginCatchBlock()
{
    emitIndented("{");
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
        currentKind = 1;
        staticModifier = 0;
        declareVariable(64);
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
        reportRequiredType(2);   // "sequence"
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
}

void endForStatement()
{
    emitCloseBrace();
    endLoop();
    leaveBlock();
}
