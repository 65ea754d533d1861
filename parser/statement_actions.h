// Control statements: block scopes, break and continue, what a statement
// opened and its handler gives back, blocks nested too deeply, and the
// steps of the if, while, do, error, try and for statements.
#pragma once

#include <functional>
#include <string>

// --- Block scopes of the compound statements (indentation stays with the
// rules)
void enterBlock();
void leaveBlock();

// The PHP blocks the compound statements have opened, each with the text
// that closes it. A block head is written with its closer pushed; a close
// pops it.
void openIfBlock();     // emitIfHead
void openElseBlock();   // emitElseHead
void closeBlock();      // emitCloseBrace
void openPhpBlock(const std::string& closer);
void closePhpBlocks(int count);
// A new file: no PHP block open.
void forgetPhpBlocks();

// What a compound statement opens: a handler that leaves the statement
// half done gives all of it back, so that the lines after it keep their
// own indentation, scopes and loop kind, and the PHP written so far is
// closed.
struct OpenedState {
    size_t phpBlocks = 0;
    int blockDepth = -1;
    int counterIndex = 0;
    int identifierIndex = 0;
    int loopKind = 0;
    size_t loopKinds = 0;
    int indentLevel = 0;
    int generatorCounter = 0;
};
OpenedState saveOpened();
void restoreOpened(const OpenedState& opened);

// The compound statements open, by the closing keyword of each: a closing
// keyword that none of them has is stray, reported and skipped where it
// stands, and the block around it goes on.
class OpenStatement {
public:
    explicit OpenStatement(int closer);
    ~OpenStatement();
    OpenStatement(const OpenStatement&) = delete;
    OpenStatement& operator=(const OpenStatement&) = delete;

private:
    size_t depth_;
};
bool strayCloserAhead(int type);
// The closing keyword of a compound statement's block form, 0 for a token
// that begins none.
int closerOf(int keyword);

// --- Nesting
// A compound statement that needs `blocks` more block scopes than the
// table has is reported ("too many nested blocks") and skipped whole. The
// table bounds how deep the statement rules recurse; they do not count as
// expression nesting, whose operator count starts anew with each
// statement's expression only outside every nesting.
bool blocksTooDeep(int blocks);
void reportBlocksTooDeep();

// The token stream as the skip below reads it: la(i) is the type of the
// i-th token ahead, consume() drops the first, lineEnds() the line ends
// the first one holds (a "#" comment or a text over several lines).
struct TokenCursor {
    std::function<int(int)> la;
    std::function<void()> consume;
    std::function<int()> lineEnds;
};
// The skips' memory of the file before: none at the start of each file.
void resetSkipState();
// Skips one compound statement, its nested blocks included, from its
// keyword up to the line end after it, which stays, in one pass. A block
// that does not close is skipped up to the end of the code, or up to a
// closing keyword of an enclosing statement, which stays. Counts the
// skipped line ends in lineNumber.
void skipCompoundStatement(const TokenCursor& tokens);
// The same from inside the header of a block-form statement of the given
// keyword: the rest of the header, the block and its closing line.
void skipBlockAfterHeader(const TokenCursor& tokens, int keyword);
// Whether the rest of the line holds a one-line body (a one-line start
// before any ":").
bool lineHoldsOneLineBody(const TokenCursor& tokens);
// From inside the line of a case of a do statement: the rest of the line
// and the case's block, up to the next case, else, always, until or "/do".
void skipCaseBlock(const TokenCursor& tokens);

// Set when the statement being parsed took its one-line form, so that a
// handler knows whether a block follows its header.
extern bool headerOneLine;

// --- Break and continue
// Written by the innermost loop's kind; with no loop open, code 5, nothing
// written and false. The caller ends the statement.
bool writeLoopJump(bool isContinue);

// --- Loops
// Starts a loop of the given kind (the enclosing kind saved).
void beginLoop(int kind);
void endLoop();

// --- Conditions
// A condition with no text (nil writes none, nor does an expression a
// syntax error cut short) is written null, since PHP refuses "()".
void fillEmptyCondition();

// --- If
// The tested value of a composite if goes to the identifier slot: a plain
// name as it is, any other expression through a "$_I" temporary.
void setCompositeTestedValue();
// A test line "= value": the slot's value compared, a nil value replaced by
// the default of the tested value's type. `valueAt` is where the value's
// text begins on the level, `operatorAt` where the operator's does.
struct CompositeComparison {
    int operatorAt = 0;
    int valueAt = 0;
};
void beginCompositeComparison(CompositeComparison& test);
void beginCompositeValue(CompositeComparison& test);
void completeCompositeComparison(const CompositeComparison& test);
// The closing braces of the else-branches a composite if or a do case form
// counted.
void closeCountedBraces();

// --- Do
// In place of a case a syntax error cut short: an if that never runs, so
// that the else chain after it still has its if.
void writeEmptyCase();

// --- While
void writeWhileHead(bool forever);
void beginWhileWrapper();
void endWhileWrapper();
void checkWhileSteps();

// --- Do
void beginDoStatement();
void endDoStatement();

// --- Error
void beginErrorStatement();

// --- Try
void beginTryStatement();
void beginCatch();
// The caught class and variable: written, and the variable declared in the
// scope around the try statement; then the catch block opens.
void openCatchBlock();
void closeTryStatement(bool caught);

// --- Global
void writeGlobalStatement(const std::string& name);

// --- For
void beginForStatement();
// The loop variable: looked up (declared == false) or declared in the
// loop's scope with its type.
void takeForVariable(bool declared, bool second);
// A range loop: its variable checked, no step yet.
void beginRangeSpec();
void takeRangeStart();
void takeRangeEnd();
// A literal step: its sign and digits (any suffix dropped).
void takeLiteralStep(bool negative, const std::string& digits);
void takeExpressionStep();
void writeRangeHeader();
void beginCollectionLoop();
// After the collection (an empty one written null).
void writeCollectionHeader();
void endForStatement();

// --- The steps of the statement rules
// One-line bodies (which mark the header as holding its body) and nested
// blocks.
void indentOneLineBody();
void openNestedBlock();
void closeNestedBlock();
void closeBlockScope();
// If and its parts.
void openConditionBlock();
void beginOneLineIfBody();
void openOneLineElse();
void closeOneLineElse();
void openElsePart();
void openNextTestLine();
void closeNextTestLine();
void openTestLineBlock();
void closeCompositeIf();
// While.
void beginWhileStatement();
void writeWhileCondition();
void closeOneLineWhileBody(bool wrapped);
void closeWhileBlock();
void endWhileStatement();
// Do and its cases.
void closeDoBody();
void beginDoUntil();
void writeDoUntilCondition();
void beginDoWhile();
void writeDoWhileCondition();
void closeDoTail();
void closeCaseChain();
void beginFirstCase();
// The else of a later case, written; what is open then, for its handler.
OpenedState openLaterCase();
// Any statement.
void beginStatement();
void endStatementLine();
void endStatementAtSemicolon();
