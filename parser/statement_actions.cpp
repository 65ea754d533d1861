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

// Compound statements: a PHP block is open that `closer` ends (what a
// syntax error inside it closes)
void openPhpBlock(const std::string& closer) { phpClosers.push_back(closer); }

// Compound statements: the innermost `count` PHP blocks are closed
void closePhpBlocks(int count)
{
    for (; count > 0 && !phpClosers.empty(); --count)
        phpClosers.pop_back();
}

// A new file: no PHP block open (writes nothing)
void forgetPhpBlocks() { phpClosers.clear(); }

// ifBody, compositeTestLine, firstCase, caseClause: the test, before the body
// writes: if(test) and { on the next line
void openIfBlock()
{
    emitIfHead();
    openPhpBlock("}");
}

// ifBody, compositeIf, elsePart, caseClause: "else" (or the next test line)
// writes: else and { on the next line
void openElseBlock()
{
    emitElseHead();
    openPhpBlock("}");
}

// nestedBlock, ifBody, whileStatement, doStatement, errorStatement, forStatement
// writes: } on its own line
void closeBlock()
{
    emitCloseBrace();
    closePhpBlocks(1);
}

// nestedBlock and the compound statements: a block scope opens
void enterBlock() { symbolTable.enterBlockScope(); }

// nestedBlock and the compound statements: the block scope closes
void leaveBlock() { symbolTable.leaveBlockScope(); }

// Compound statements, firstCase, caseClause: at the start, what the handler
// gives back after a syntax error
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

// Compound statements, firstCase, caseClause: after a syntax error
// writes: a line end for a half-written line, then the closer of each PHP block
// the statement opened ("}", "} while(false);" ...)
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

// ifStatement, whileStatement, doStatement, errorStatement, tryStatement,
// forStatement: held for the statement, whose closing keyword is then no stray
OpenStatement::OpenStatement(int closer) : depth_(openClosers.size())
{
    openClosers.push_back(closer);
}

OpenStatement::~OpenStatement() { openClosers.resize(depth_); }

// nestedBlock and the compound statements' bodies: a closing keyword that no
// open statement takes ({ strayCloserAhead() }? strayCloser, on LA(1))
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

// Compound statements: the blocks would not fit the block-scope table
bool blocksTooDeep(int blocks)
{
    return blockDepth + blocks >= maxBlockDepth;
}

// Compound statements: reports "too many nested blocks"
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

// (skip) a token that begins a one-line body on a header's line
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

// (skip) a token that ends a line of code
bool endsLine(int type)
{
    return type == T::EOL || type == T::Q_COMMENT || type == T::CLOSEVEL || type == endOfInput;
}

}  // namespace

// ifStatement ... "/if", whileStatement ... "/while", and the others (the
// skips, and each compound statement as it begins)
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

namespace {

// (skip) "/if", "/while", "/for", "/error", "/do" or "/try"
bool isCloserType(int type)
{
    return type == T::SLASHIF || type == T::SLASHWHILE || type == T::SLASHFOR
        || type == T::SLASHERROR || type == T::SLASHDO || type == T::SLASHTRY;
}

// (skip) as isCloserType
bool isCloser(int type) { return isCloserType(type); }

// (skip) a compound statement's header
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

// (skip) doCaseBody: "case", "else", "always", "until" or "/do"
// What ends the block of a case of a do statement.
bool isCaseEnd(int type)
{
    return type == T::LITERAL_case || type == T::LITERAL_else || type == T::LITERAL_always
        || type == T::LITERAL_until || type == T::SLASHDO;
}

// (skip) one token, its line ends counted
void skipToken(const TokenCursor& tokens)
{
    lineNumber += tokens.lineEnds();
    tokens.consume();
}

}  // namespace

// sourceFile, webPage: at the start; a skip may look to the end again
void resetSkipState() { lookedToTheEnd = false; }

namespace {

// (skip) the compound statements, when the handlers skip what a syntax error
// or a nesting too deep left
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

// (skip) up to the end of the line, its end left
void skipRestOfLine(const TokenCursor& tokens)
{
    while (!endsLine(tokens.la(1)))
        skipToken(tokens);
}

}  // namespace

// Compound statements: nested too deeply (blocksTooDeep)
// A statement nested too deeply holds every statement nested in it: one
// pass to its end takes them all, so each of them is neither reported nor
// looked at again.
void skipCompoundStatement(const TokenCursor& tokens)
{
    skipFrom(tokens, {}, true, true);
}

// skipBadStatement: the header's line holds a one-line body
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

// firstCase, caseClause (skipBadCase): the block of a bad case, up to the next case
void skipCaseBlock(const TokenCursor& tokens)
{
    if (skipFrom(tokens, {}, false, false, true))
        skipFrom(tokens, {}, false, true, true);
    else
        skipRestOfLine(tokens);
}

// skipBadStatement: the rest of a compound statement whose header is bad
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

// loopJump: ("break" | "continue") statementEnd
// writes: break or continue; in a while, whose body stands in do {} while(false),
// break 2 for break and break for continue; checks: a loop is open (code 5)
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

// whileStatement, forStatement (and doStatement): a loop of `kind` opens
void beginLoop(int kind)
{
    pushLoopKind();
    loopKind = kind;
}

// whileStatement, forStatement, doStatement: the loop closes
void endLoop() { popLoopKind(); }

// --- Conditions

// ifBody, compositeIf, whileStatement, doStatement, firstCase, caseClause, forIn:
// writes: null for a test that left no text
void fillEmptyCondition()
{
    if (currentExpression().empty())
        exprAppend("null");
}

// --- If

// compositeIf: bitOrExpression blockStart, before the test lines
// writes: $_I1=value; for a value that is no variable, tested as $_I1 after it
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
// compositeTestLine: comparisonOperator expression
// Whether the text is one parenthesized whole: its first "(" closes at its
// end (quoted texts skipped).
bool isParenthesized(const std::string& text)
{
    return text.size() >= 2 && text[0] == '(' && bracketEnd(text, 0) == text.size();
}
}

// compositeTestLine: comparisonOperator expression, before the operator
// writes: the tested value
void beginCompositeComparison(CompositeComparison& test)
{
    exprAppend(identifierSlotName());
    test.operatorAt = exprLength();
}

// compositeTestLine: comparisonOperator expression, after the operator
void beginCompositeValue(CompositeComparison& test)
{
    // the value's operators are counted from here
    expressionOperators = 0;
    test.valueAt = exprLength();
}

// compositeTestLine: comparisonOperator expression
// a composite if's test line:  if x / = a or b
// writes: $x===($a||$b)  (a value with operators in parentheses, unless it
// stands in them already: PHP ranks "===" above "&&", "||" and the bit
// operators)
void completeCompositeComparison(const CompositeComparison& test)
{
    int operatorAt = test.operatorAt, valueAt = test.valueAt;
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

// compositeIf, doCaseBody: at the end of the chain of else and if
// writes: one } for each else the chain opened
void closeCountedBraces()
{
    int braces = getCounter();
    emitIndent();
    for (int i = 0; i < braces; ++i)
        emitChar('}');
    closePhpBlocks(braces);
}

// --- While

// whileStatement: "while" (expression | "forever")
// writes: while(test) or while(true), then { on the next line
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

// whileStatement: a block body, or a one-line break or continue
// writes: do and { on the next line, the body's wrapper
void beginWhileWrapper()
{
    emitIndented("do");
    emitOpenBrace();
    openPhpBlock("} while(false);");
}

// whileStatement: after the wrapped body, before the step
// writes: } while(false);
void endWhileWrapper()
{
    emitIndent();
    emitText("} while(false);");
    emitNewline();
    closePhpBlocks(1);
}

// whileStatement: ... ("let" expressionStatement)?, at its end
// checks: one step at most ("bad while, let used twice", code 6)
void checkWhileSteps()
{
    if (whileStepCount >= 2)
        ::reportError(Msg::letUsedTwice);
}

// --- Do

// firstCase, caseClause: after a syntax error in the case
// writes: if(false) { }, so that the chain of else goes on
void writeEmptyCase()
{
    resetExpressions();
    exprAppend("false");
    emitIndent();
    openIfBlock();
    closeBlock();
}

// doStatement: "do" (doCaseBody | body) ...
// writes: do and { on the next line; opens the loop and its block scope
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

// doStatement: ... statementEnd
// writes nothing (the rule wrote the tail while(...);); closes the loop
void endDoStatement()
{
    closePhpBlocks(1);
    popCounter();
    endLoop();
    leaveBlock();
}

// --- Error

// errorStatement: "error" (oneLineBody | blockStart ... "/error")
// writes: if($error===false) and { on the next line
void beginErrorStatement()
{
    emitText("if($error===false)");
    emitOpenBrace();
    openPhpBlock("}");
    enterBlock();
}

// --- Try

// tryStatement: "try" statementOrLineEnd* ...
// writes: try and { on the next line
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

// tryStatement: "catch", before "(" classType identifierName ")"
// writes: } for the try block, then catch(
void beginCatch()
{
    leaveBlock();   // the try block's
    indentLess();
    emitIndented("}\n");
    closePhpBlocks(1);
    emitIndented("catch(");
}

// tryStatement: "catch" "(" classType identifierName ")"
// writes: Class $e) and a line end; declares $e in the scope around the try;
// then { on its own line
void openCatchBlock()
{
    emitString(qualifiedClassName + " $");
    // a variable, whatever kind the last declaration or lookup left
    currentKind = kindDeclaration;
    staticModifier = 0;
    declareVariable(symbolAssigned);
    emitString(currentIdentifier);
    emitCloseParen();
    emitNewline();
    emitIndented("{");
    openPhpBlock("}");
    indentMore();
    emitIndent();
    enterBlock();
    resetExpressions();
}

// tryStatement: ... "/try"
// writes: }, or } finally {} for a try without a catch
void closeTryStatement(bool caught)
{
    leaveBlock();
    indentLess();
    // PHP refuses a try without a catch or a finally
    emitIndented(caught ? "}" : "} finally {}");
    closePhpBlocks(1);
}

// --- Global

// globalStatement: "global" ID
// writes: global $name;
void writeGlobalStatement(const std::string& name)
{
    emitText("global $");
    emitString(name);
    emitSemicolon();
    emitIndent();
}

// --- For

// forStatement: "for" forVariable ("," forVariable)? "in" ...
// writes nothing; opens the loop and its block scope
void beginForStatement()
{
    enterBlock();
    resetExpressions();
    forKeyValue = 0;
    beginLoop(forLoop);
}

// forVariable: identifierName | variableType identifierName
// writes nothing; the loop variable (or the value variable after ","), declared
// or looked up
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

// forRangeSpec: forRangeBounds ("step" ...)?
// writes nothing; counts up with no step to start with;
// checks: the loop variable takes an integer ("sequence required, found ...")
void beginRangeSpec()
{
    if (typeMatrix[currentType][typeInteger] == 0)
        reportRequiredType(Msg::requiredSequence);   // "sequence"
    rangeDescending = 0;
    stepNegative = 0;
    rangeStep.clear();
    resetExpressions();
}

// forRangeBounds: boundExpression rangeOperator
// writes nothing; keeps the start
void takeRangeStart()
{
    rangeStart = currentExpression();
    resetExpressions();
}

// forRangeBounds: ... boundExpression
// writes nothing; keeps the end; constant bounds that count down count down
void takeRangeEnd()
{
    rangeEnd = currentExpression();
    if (constantRangeDescends(rangeStart, rangeEnd))
        rangeDescending = 1;
}

namespace {

// forRangeSpec: "step" ..., a constant step
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

// forRangeSpec: "step" ("-" | "+")? INTEGER
// writes nothing; keeps the step without its suffix; a negative one counts down
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

// forRangeSpec: "step" boundExpression
// writes nothing; keeps the step
void takeExpressionStep()
{
    rangeStep = currentExpression();
    directStep();
}

// forRange: forRangeSpec
// writes: for($i=lo;$i<=hi;$i++) and {, with "<", ">=" or ">", $i+=-1 or
// $i+=step as the range and its step say
void writeRangeHeader()
{
    emitRangeHeader(forVariable, rangeStart, rangeEnd, rangeInclusive, rangeDescending, rangeStep);
    openPhpBlock("}");
}

// forIn: bitOrExpression, before the collection
void beginCollectionLoop() { resetExpressions(); }

// forIn: bitOrExpression
// writes: foreach($a as $v) or foreach($d as $k => $v), for a text
// $_L1=strlen($s); for($__1 = 0; $__1 < $_L1; $__1++) and $c=$s[$__1];
void writeCollectionHeader()
{
    fillEmptyCondition();
    std::string collection = currentExpression();
    requireSequence();
    if (currentType == typeText)
        emitTextLoopHeader(collection, forVariable, forValueVariable, forKeyValue != 0,
                           symbolTable.scopeCounterText);
    else
        emitForeachHeader(collection, forVariable, forValueVariable, forKeyValue != 0);
    openPhpBlock("}");
}

// forStatement: ... (oneLineBody | blockStart ... "/for")
// writes: }; closes the loop and its block scope
void endForStatement()
{
    closeBlock();
    endLoop();
    leaveBlock();
}

// --- The steps of the statement rules

// oneLineBody: the statement on the header's line
// writes: the indentation one level deeper; a syntax error in the
// statement skips the rest of the header's line
void indentOneLineBody()
{
    headerOneLine = true;
    indentMore();
    emitIndent();
}

// nestedBlock: the block's statements, in a block scope of their own
// writes: nothing yet; the body one level deeper
void openNestedBlock()
{
    enterBlock();
    indentMore();
}

// nestedBlock: after the block's statements
// writes: }
void closeNestedBlock()
{
    leaveBlock();
    indentLess();
    closeBlock();
}

// ifBody, errorStatement: after a one-line body (or the whole body)
// writes: }
void closeBlockScope()
{
    closeBlock();
    leaveBlock();
}

// ifBody, firstCase, caseClause: after the condition
// writes: if(condition) {   (null for an empty condition)
void openConditionBlock()
{
    fillEmptyCondition();
    openIfBlock();
}

// ifBody: a one-line body after the condition
// writes: nothing; the body's block scope opens
void beginOneLineIfBody()
{
    enterBlock();
}

// ifBody: ( ":" | "else" ) singleStatement after a one-line body
// writes: else {   and the statement's indentation one level deeper
void openOneLineElse()
{
    enterBlock();
    emitIndent();
    openElseBlock();
    indentMore();
    emitIndent();
}

// ifBody: after the one-line else statement
// writes: }
void closeOneLineElse()
{
    indentLess();
    closeBlock();
    leaveBlock();
}

// elsePart: "else" [":"] nestedBlock
// writes: else {
void openElsePart()
{
    emitIndent();
    openElseBlock();
}

// compositeIf: a test line after the first
// writes: else {   (the next test's if goes inside it)
void openNextTestLine()
{
    emitIndent();
    openElseBlock();
    indentMore();
}

// compositeIf: after a later test line; its else is closed at the end
// writes: nothing
void closeNextTestLine()
{
    indentLess();
    incCounter();
}

// compositeTestLine: after the comparison or "in" test
// writes: if(test) {
void openTestLineBlock()
{
    openIfBlock();
    nextIdentifierSlot();
}

// compositeIf: before "/if"
// writes: the closing braces of the else branches
void closeCompositeIf()
{
    closeCountedBraces();
    decGenerator();
}

// whileStatement: "while" ( expression | "forever" ) ...
// writes: nothing; a while loop begins
void beginWhileStatement()
{
    resetExpressions();
    beginLoop(whileLoop);
}

// whileStatement: "while" expression
// writes: while(condition) {   (null for an empty condition)
void writeWhileCondition()
{
    fillEmptyCondition();
    writeWhileHead(false);
}

// whileStatement: after a one-line body
// writes: } while(false);   when the body was wrapped
void closeOneLineWhileBody(bool wrapped)
{
    if (wrapped)
        endWhileWrapper();
    whileStepCount = 0;
}

// whileStatement: after the block's statements
// writes: } while(false);
void closeWhileBlock()
{
    indentLess();
    endWhileWrapper();
    whileStepCount = 0;
}

// whileStatement: after the body and its "let" steps
// writes: }   (more than one step is reported, code 6)
void endWhileStatement()
{
    indentLess();
    closeBlock();
    leaveBlock();
    checkWhileSteps();
    endLoop();
}

// doStatement: after the body, before its tail
// writes: }
void closeDoBody()
{
    indentLess();
    closeBlock();
    openPhpBlock("while(false);");   // the tail to come
}

// doStatement: "until" expression, or "/do" "until" expression
// writes: while(!(
void beginDoUntil()
{
    emitIndented("while(!(");
    resetExpressions();
}

// doStatement: after the until condition
// writes: condition))   (null for an empty condition)
void writeDoUntilCondition()
{
    fillEmptyCondition();
    emitCurrentExpression();
    emitText("))");
}

// doStatement: "/do" "while" ( expression | "forever" )
// writes: while (
void beginDoWhile()
{
    emitIndented("while (");
    resetExpressions();
}

// doStatement: after the while condition
// writes: condition)   (null for an empty condition)
void writeDoWhileCondition()
{
    fillEmptyCondition();
    emitCurrentExpression();
    emitCloseParen();
}

// doStatement: after the tail, before the statement end
// writes: nothing; only the tail's ";" is to come
void closeDoTail()
{
    closePhpBlocks(1);
    openPhpBlock(";");
}

// doCaseBody: after the cases and the else part
// writes: the closing braces of the else branches, a line end
void closeCaseChain()
{
    closeCountedBraces();
    emitNewline();
}

// firstCase: "case" expression blockStart nestedBlock
// writes: the indentation of the case's if
void beginFirstCase()
{
    resetExpressions();
    emitIndent();
}

// caseClause: "case" expression blockStart nestedBlock
// writes: else {   and the indentation of the case's if
OpenedState openLaterCase()
{
    emitIndent();
    openElseBlock();
    emitIndent();
    return saveOpened();
}

// statement: any statement, before its first token
// writes: the statement's indentation
void beginStatement()
{
    // A target left half parsed by a syntax error ends here.
    assignTargetMode = 0;
    emitIndent();
}

// statementEnd: EOL
// writes: ;   and the line end
void endStatementLine()
{
    endStatement();
    ++lineNumber;
}

// statementEnd: SEMI
// writes: ;   and a line end
void endStatementAtSemicolon()
{
    emitSemicolon();
    emitNewline();
}
