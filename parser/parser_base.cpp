#include "parser/parser_base.h"

#include <iostream>

#include <antlr/NoViableAltException.hpp>
#include <antlr/TokenStreamException.hpp>

#include "emit/emit.h"
#include "emit/xml.h"
#include "parser/class_actions.h"
#include "parser/declaration_actions.h"
#include "parser/expression_actions.h"
#include "parser/file_actions.h"
#include "parser/function_actions.h"
#include "parser/head_actions.h"
#include "parser/literal_actions.h"
#include "parser/nesting.h"
#include "parser/print_actions.h"
#include "parser/state.h"
#include "parser/statement_actions.h"
#include "parser/xml_actions.h"
#include "semantic/semantic.h"

namespace {
using T = VelandroTokenTypes;
}

// Every rule's handler: the runtime's report of a syntax error
// writes nothing; prints the runtime's report and counts the error
void ParserBase::reportError(const antlr::RecognitionException& ex)
{
    // What the rules around a too deep operand find missing at the end of
    // its line is the same error, reported once.
    if (atTooDeepStop())
        return;
    antlr::LLkParser::reportError(ex);
    ++errorCount;
}

// functionCall, memberElement: after a bad call that consumed nothing
// writes nothing; skips the rest of the line (a stuck "#" comment with it)
void ParserBase::skipLineIfStuck(const antlr::RefToken& first)
{
    if (LT(1).get() != first.get())
        return;
    if (LA(1) == T::Q_COMMENT) {
        // the comment itself is the stuck token: it goes, with its line end
        ++lineNumber;
        consume();
        return;
    }
    skipRestOfLine();
}

// The generated handlers (defaultErrorHandler): after a syntax error
// writes nothing; drops the bad token and skips to the rule's follow set
void ParserBase::recover(const antlr::RecognitionException&,
                          const antlr::BitSet& follow)
{
    if (atTooDeepStop()) {
        // The rest of the line is gone already; its end stays for the
        // statement. Back at the statement's level the stop is spent.
        if (expressionNesting == 0)
            tooDeepStop = antlr::RefToken();
        return;
    }
    int skipped = 0;
    // "/class" stays for the class it ends, whatever failed inside it.
    if (LA(1) != antlr::Token::EOF_TYPE && !(inClass && LA(1) == T::SLASHCLASS)) {
        skipped = LA(1);
        lineNumber += countLineEnds(LT(1)->getText());
        consume();
    }
    skipUntil(follow, skipped);
}

// The runtime's resynchronisation, as skipUntil from a statement's start
// Recovery skips tokens: the line ends they hold still count, and a "#"
// comment, which holds the line's end, ends the skip so that the next
// line is read again.
void ParserBase::consumeUntil(const antlr::BitSet& follow)
{
    skipUntil(follow, 0);
}

// recover, consumeUntil: up to a token of `follow`, the "#" comment or the end
// A literal or "@" begins a statement only where a statement can begin:
// inside a line it is part of what is skipped.
void ParserBase::skipUntil(const antlr::BitSet& follow, int previous)
{
    while (LA(1) != antlr::Token::EOF_TYPE && LA(1) != T::Q_COMMENT &&
           !(inClass && LA(1) == T::SLASHCLASS)) {
        if (follow.member(LA(1))) {
            bool statementStartOnly = LA(1) == T::REAL_LITERAL || LA(1) == T::INTEGER ||
                                      LA(1) == T::STRING_LITERAL || LA(1) == T::ATCHAR;
            if (!statementStartOnly || previous == 0 || previous == T::EOL || previous == T::SEMI)
                return;
        }
        previous = LA(1);
        lineNumber += countLineEnds(LT(1)->getText());
        consume();
    }
}

// typedDeclaration, classDeclaration, classHead, functionDefinition,
// superConstructorCall, strayCloser ...: after a syntax error on the line
// Up to the line end, which a "#" comment holds: the comment is left to be
// read as the line's end. Line ends inside skipped tokens are counted.
void ParserBase::skipRestOfLine()
{
    while (LA(1) != T::EOL && LA(1) != T::Q_COMMENT && LA(1) != T::CLOSEVEL &&
           LA(1) != antlr::Token::EOF_TYPE) {
        lineNumber += countLineEnds(LT(1)->getText());
        consume();
    }
}

// externBlockItem, externFunctionDeclaration, externClassHead,
// externClassMember: after a syntax error in the line
// The rest of a bad line of an extern block or class: up to its line end,
// a "#" comment, the end of the code or a closing keyword, which stay. A
// bad item that consumed nothing loses its first token, so that the
// caller's loop goes on.
void ParserBase::skipExternLine(const antlr::RefToken& first)
{
    bool stuck = LT(1).get() == first.get();
    for (;;) {
        switch (LA(1)) {
        case T::EOL: case T::Q_COMMENT:
            if (stuck) {
                // the bad item is this very token: it goes, with its line end
                lineNumber += countLineEnds(LT(1)->getText());
                consume();
            }
            return;
        case T::CLOSEVEL: case T::SLASHEXTERN: case T::SLASHCLASS: case T::SLASHENUM:
        case antlr::Token::EOF_TYPE:
            return;
        case T::SEMI:
            consume();
            return;
        default:
            stuck = false;
            lineNumber += countLineEnds(LT(1)->getText());
            consume();
        }
    }
}

// headerItem ("extern" block), externClassDeclaration: bad:~(...), a token
// that begins no item
// writes nothing; reports the token and skips the rest of its line
void ParserBase::reportStrayToken(const antlr::RefToken& token)
{
    reportError(antlr::NoViableAltException(token, getFilename()));
    int lineEnds = countLineEnds(token->getText());
    lineNumber += lineEnds;
    // a "#" comment ends its line itself
    if (lineEnds == 0)
        skipExternLine(token);
}

// enumBlock: its handler, before the items' "/enum"
// After a syntax error in an enumeration block: the rest of the bad line,
// then what can still be items, up to and with its "/enum". Anything else
// stays for the top-level items.
void ParserBase::skipToEnumEnd()
{
    skipExternLine(LT(1));
    for (;;) {
        switch (LA(1)) {
        case T::SLASHENUM:
            consume();
            return;
        case T::ID: case T::INTEGER: case T::REAL_LITERAL: case T::STRING_LITERAL: case T::COMMA:
        case T::EQUAL: case T::COLON: case T::EOL: case T::SEMI:
            lineNumber += countLineEnds(LT(1)->getText());
            consume();
            break;
        default:
            return;
        }
    }
}

// xmlStatement: after a syntax error inside the literal
// writes: ] for each element left open and the statement's end; skips the rest
// of the outermost element
void ParserBase::closeBrokenXmlLiteral()
{
    int depth = xmlOpenDepth();
    xmlCloseOpenElements();
    endStatement();
    while (depth > 0) {
        switch (LA(1)) {
        case T::CLOSEVEL: case antlr::Token::EOF_TYPE:
            return;
        case T::XOPEN:
            ++depth;
            break;
        case T::XCLOSE:
            --depth;
            break;
        default:
            break;
        }
        lineNumber += countLineEnds(LT(1)->getText());
        consume();
    }
}

// typeConversion: variableType "(" conversionCall ")", the predicate
// writes nothing; true when one value stands up to the ")" (no "," at its level)
bool ParserBase::singleValueInParentheses()
{
    int depth = 0;
    for (unsigned int i = 2;; ++i) {
        switch (LA(i)) {
        case T::LEFTPAR: case T::LEFTSQUARE: case T::LEFTCURLY:
            // deeper than any operand can nest: the parse fails there anyway
            if (++depth > maxExpressionNesting)
                return true;
            break;
        case T::RIGHTPAR: case T::RIGHTSQUARE: case T::RIGHTCURLY:
            if (depth == 0)
                return LA(i) == T::RIGHTPAR;
            --depth;
            break;
        case T::COMMA:
            if (depth == 0)
                return false;
            break;
        case antlr::Token::EOF_TYPE:
            return true;
        default:
            break;
        }
    }
}

// functionCall, memberElement: after a bad call
// writes nothing; true once for the token where nested calls broke
bool ParserBase::firstBadCallHere()
{
    if (atTooDeepStop() || (badCallStop && LT(1).get() == badCallStop.get()))
        return false;
    badCallStop = LT(1);
    return true;
}

// expressionStatement, postfixExpression: the predicate of a member call
// writes nothing; true for ID ("[" ... "]")* ("." ID ...)* "." ID "("
bool ParserBase::memberCallAhead()
{
    unsigned int i = 1;
    bool segment = false;
    while (LA(i) == T::ID) {
        if (segment && LA(i + 1) == T::LEFTPAR)
            return true;
        ++i;
        while (LA(i) == T::LEFTSQUARE) {
            int depth = 0;
            for (;; ++i) {
                int token = LA(i);
                if (token == T::LEFTSQUARE || token == T::LEFTPAR || token == T::LEFTCURLY) {
                    // deeper than any operand can nest: the parse fails there anyway
                    if (++depth > maxExpressionNesting)
                        return false;
                } else if (token == T::RIGHTSQUARE || token == T::RIGHTPAR || token == T::RIGHTCURLY) {
                    if (--depth == 0)
                        break;
                } else if (token == T::EOL || token == T::SEMI || token == T::CLOSEVEL ||
                           token == antlr::Token::EOF_TYPE) {
                    return false;
                }
            }
            ++i;
        }
        if (LA(i) != T::DOT)
            return false;
        ++i;
        segment = true;
    }
    return false;
}

// statementEnd, declarationEnd, assignmentEnd, returnStatement ...: the code
// ends here ("?>", the end of the input, or "<" "/script" of a page)
bool ParserBase::codeEndsHere()
{
    return LA(1) == T::CLOSEVEL || LA(1) == antlr::Token::EOF_TYPE
        || (LA(1) == T::LESSER && LA(2) == T::SLASHSCRIPT);
}

// expressionStatement: { assignmentAhead() }? assignmentStatement
// writes nothing; true for a name followed by what begins an assignment
bool ParserBase::assignmentAhead()
{
    if (LA(1) != T::ID && LA(1) != T::PHPID)
        return false;
    switch (LA(2)) {
    case T::EQUAL: case T::EQIF: case T::COMMA: case T::DOT: case T::LEFTSQUARE: case T::PLUS: case T::MINUS:
    case T::MUL: case T::DIV: case T::LITERAL_mod: case T::OR_BIN: case T::XOR_BIN: case T::AND_BIN:
    case T::SHIFT_LEFT: case T::SHIFT_RIGHT:
        return true;
    default:
        return false;
    }
}

// functionCall, memberElement: beginFunctionCall and openMemberCall read heads ahead
const TokenPeek* ParserBase::tokensAhead()
{
    tokenPeek_.source = this;
    tokenPeek_.type = &ParserBase::peekType;
    tokenPeek_.text = &ParserBase::peekText;
    return &tokenPeek_;
}

// tokensAhead: the type of the i-th token ahead, -1 for a lexical error
int ParserBase::peekType(void* parser, int i)
{
    ParserBase* self = static_cast<ParserBase*>(parser);
    // guessing: the token queue turns a lexical error into a recognition one
    ++self->inputState->guessing;
    int type = -1;
    try {
        type = self->LA(static_cast<unsigned int>(i));
    } catch (const antlr::ANTLRException&) {
        type = -1;
    }
    --self->inputState->guessing;
    return type;
}

// tokensAhead: the text of the i-th token ahead
std::string ParserBase::peekText(void* parser, int i)
{
    return static_cast<ParserBase*>(parser)->LT(static_cast<unsigned int>(i))->getText();
}

// ifStatement, whileStatement, doStatement, errorStatement, tryStatement,
// forStatement: the token stream for skipCompoundStatement
TokenCursor ParserBase::tokenCursor()
{
    TokenCursor tokens;
    tokens.la = [this](int i) { return LA(static_cast<unsigned int>(i)); };
    tokens.consume = [this]() { consume(); };
    tokens.lineEnds = [this]() { return countLineEnds(LT(1)->getText()); };
    return tokens;
}

// statementOrLineEnd, returnStatement: after a syntax error in the statement
void ParserBase::skipBadLine(const antlr::RefToken& first)
{
    if (LT(1).get() == first.get())
        skipLineIfStuck(first);
    else if (LT(1)->getLine() == first->getLine())
        skipRestOfLine();
}

// ifStatement, whileStatement, doStatement, errorStatement, tryStatement,
// forStatement: after a syntax error in the statement
void ParserBase::skipBadStatement(const antlr::RefToken& first)
{
    reportedToken = LT(1);
    if (LT(1)->getLine() != first->getLine()) {
        // inside a later line of the statement (a test line, a tail): the
        // rest of that line; at a line's start the token stays
        if (partStart && LT(1).get() != partStart.get()
            && LT(1)->getLine() == partStart->getLine()) {
            if (partInBlock)
                skipBlockAfterHeader(tokenCursor(), first->getType());
            else
                skipRestOfLine();
        }
        return;
    }
    if (headerOneLine || lineHoldsOneLineBody(tokenCursor()))
        skipRestOfLine();
    else
        skipBlockAfterHeader(tokenCursor(), first->getType());
}

// firstCase, caseClause: after a syntax error on the case's line
// writes nothing; skips the case's block up to the next case
void ParserBase::skipBadCase(const antlr::RefToken& first)
{
    if (LT(1)->getLine() == first->getLine())
        skipCaseBlock(tokenCursor());
}

// bitOrExpression, functionCall, identifierReference, primaryExpression ...:
// an operand nested too deeply; reports it once and skips the rest of the line
void ParserBase::throwTooDeep()
{
    antlr::RecognitionException ex(
        "expression nested too deeply", getFilename(), LT(1)->getLine(), LT(1)->getColumn());
    if (inputState->guessing == 0) {
        // Reported here, once; the rest of the line, closers and all, goes.
        reportError(ex);
        skipRestOfLine();
        tooDeepStop = LT(1);
    }
    throw ex;
}

// sourceFile | webPage, run by the driver for one file
// writes nothing more; then checks the classes whose parent came later
void ParserBase::translateFile(bool page)
{
    try {
        if (page)
            webPage();
        else
            sourceFile();
    } catch (const antlr::TokenStreamException& ex) {
        // Met while a handler recovered, outside the start rule's own
        // handler: it ends the file all the same.
        inputState->guessing = 0;
        reportTokenStreamError(ex);
    }
    checkClassParents();
}

// sourceFile, webPage: a lexical error that ends the file
// writes nothing; prints the runtime's message and counts the error
void ParserBase::reportTokenStreamError(const antlr::TokenStreamException& ex)
{
    std::cerr << ex.toString() << std::endl;
    ++errorCount;
}

void ParserBase::refuseIfTooDeep(const NestingGuard& nesting, const char* what)
{
    if (nesting.tooDeep())
        throw antlr::RecognitionException(what, getFilename(), LT(1)->getLine(), LT(1)->getColumn());
}

bool ParserBase::skippedAsTooDeep(int blocks)
{
    if (!blocksTooDeep(blocks))
        return false;
    reportBlocksTooDeep();
    skipCompoundStatement(tokenCursor());
    return true;
}

void ParserBase::requireStatementEnd(bool commentEnds)
{
    if (LA(1) != T::EOL && LA(1) != T::SEMI && !(commentEnds && LA(1) == T::Q_COMMENT)
        && !codeEndsHere())
        throw antlr::NoViableAltException(LT(1), getFilename());
}

bool ParserBase::openOneLineWhileBody()
{
    bool wrapped = LA(1) == T::LITERAL_break || LA(1) == T::LITERAL_continue
        || ((LA(1) == T::LITERAL_let || LA(1) == T::QUESTION)
            && (LA(2) == T::LITERAL_break || LA(2) == T::LITERAL_continue));
    if (wrapped)
        beginWhileWrapper();
    return wrapped;
}

void ParserBase::reportStrayLine()
{
    if (!alreadyReported(LT(1)))
        reportUnexpectedToken();
}

void ParserBase::reportUnexpectedToken()
{
    reportError(antlr::NoViableAltException(LT(1), getFilename()));
}

void ParserBase::recoverExternLine(const antlr::RecognitionException& ex, const antlr::RefToken& first)
{
    reportError(ex);
    skipExternLine(first);
}

void ParserBase::recoverExternLine(const antlr::RecognitionException& ex)
{
    reportError(ex);
    skipExternLine(LT(1));
}

void ParserBase::abandonEnumBlock(const antlr::RecognitionException& ex)
{
    reportError(ex);
    skipToEnumEnd();
}

void ParserBase::recoverBadLine(const antlr::RecognitionException& ex, const antlr::RefToken& first)
{
    reportError(ex);
    skipBadLine(first);
}

void ParserBase::abandonStatement(const antlr::RecognitionException& ex,
                                  const CompoundStatement& statement)
{
    restoreOpened(statement.opened);
    reportError(ex);
    skipBadStatement(statement.first);
}

void ParserBase::abandonStatement(const antlr::ANTLRException& ex,
                                  const CompoundStatement& statement, Msg word)
{
    restoreOpened(statement.opened);
    if (dynamic_cast<const antlr::TokenStreamException*>(&ex))
        throw;
    reportBadSyntax(word);
    skipBadStatement(statement.first);
}

void ParserBase::abandonCasePart(const antlr::ANTLRException& ex, const OpenedState& opened, Msg code)
{
    restoreOpened(opened);
    if (dynamic_cast<const antlr::TokenStreamException*>(&ex))
        throw;
    ::reportError(code);
}

void ParserBase::abandonFirstCase(const antlr::ANTLRException& ex, const CasePart& part)
{
    restoreOpened(part.opened);
    writeEmptyCase();   // what follows in the chain attaches to it
    if (dynamic_cast<const antlr::TokenStreamException*>(&ex))
        throw;
    ::reportError(Msg::caseExpected);
    skipBadCase(part.first);
}

void ParserBase::abandonLaterCase(const antlr::ANTLRException& ex, const CasePart& part)
{
    restoreOpened(part.opened);
    writeEmptyCase();
    incCounter();
    if (dynamic_cast<const antlr::TokenStreamException*>(&ex))
        throw;
    ::reportError(Msg::caseBlockExpected);
    skipBadCase(part.first);
}

// A lexical error is reported as a bad declaration too.
void ParserBase::abandonDeclaration(const antlr::ANTLRException&)
{
    reportBadSyntax(Msg::wordDeclaration);
    skipRestOfLine();
}

void ParserBase::abandonClass(const antlr::RecognitionException& ex)
{
    reportError(ex);
    closeClassAfterError();
    skipRestOfLine();
}

void ParserBase::abandonClassHead(const antlr::RecognitionException& ex)
{
    reportError(ex);
    openClassIfNot();
    skipRestOfLine();
    if (LA(1) == T::EOL) {
        consume();
        ++lineNumber;
        emitNewlineOnce();
    }
}

void ParserBase::abandonFunction(const antlr::RecognitionException& ex)
{
    reportError(ex);
    closeFunctionAfterError();
    if (LA(1) != T::SLASHCLASS || !inClass)
        skipRestOfLine();
}

void ParserBase::abandonParameters(const antlr::RecognitionException& ex)
{
    reportError(ex);
    // up to the ")" or to what begins the body
    while (LA(1) != T::RIGHTPAR && LA(1) != T::EOL && LA(1) != T::Q_COMMENT && LA(1) != T::CLOSEVEL
           && LA(1) != T::LITERAL_return && LA(1) != T::LITERAL_let && LA(1) != T::QUESTION
           && LA(1) != antlr::Token::EOF_TYPE) {
        lineNumber += countLineEnds(LT(1)->getText());
        consume();
    }
    if (LA(1) == T::RIGHTPAR)
        consume();
    finishParameters();
}

void ParserBase::abandonSuperConstructorCall(const antlr::RecognitionException& ex)
{
    reportError(ex);
    abandonSuperCall();
    skipRestOfLine();
}

void ParserBase::abandonReturn(const antlr::RecognitionException& ex, const antlr::RefToken& first)
{
    reportError(ex);
    // "/class" stays for its class: the function ends without a return
    if (LA(1) != T::SLASHCLASS || !inClass)
        skipBadLine(first);
    if (LA(1) == T::EOL) {
        consume();
        ++lineNumber;
    }
    emitNewlineOnce();
}

void ParserBase::abandonXmlLiteral(const antlr::RecognitionException& ex)
{
    reportError(ex);
    closeBrokenXmlLiteral();
}

void ParserBase::closeXmlLiteralAtFileEnd()
{
    xmlCloseOpenElements();
    endStatement();
    throw;
}

void ParserBase::abandonBadCall(CallRule& call)
{
    ::abandonCall(call, firstBadCallHere());
    skipLineIfStuck(call.first);
}

void ParserBase::writeGlobalStatement(const std::string& name)
{
    requireStatementEnd(true);
    ::writeGlobalStatement(name);
}

void ParserBase::writeLoopJump(LoopJump& jump)
{
    requireStatementEnd(false);
    jump.written = ::writeLoopJump(jump.isContinue);
}

void ParserBase::closeDoBody()
{
    ::closeDoBody();
    startPart(false);
}

void ParserBase::beginKeywordType(bool parameter)
{
    beginTypeName();
    if (int type = keywordType(LA(1), parameter))
        currentType = type;
}

void ParserBase::setCompoundAssignOperator()
{
    switch (LA(1)) {
    case T::PLUS: setAssignOperator(currentType == typeText || currentType == typeCharPtr ? '.' : '+'); break;
    case T::MINUS: setAssignOperator('-'); break;
    case T::MUL: setAssignOperator('*'); break;
    case T::DIV: setAssignOperator('/'); break;
    case T::LITERAL_mod: setAssignOperator('%'); break;
    case T::AND_BIN: setAssignOperator('&'); break;
    case T::OR_BIN: setAssignOperator('|'); break;
    case T::XOR_BIN: setAssignOperator('^'); break;
    case T::SHIFT_LEFT: setAssignOperator('<'); break;
    case T::SHIFT_RIGHT: setAssignOperator('>'); break;
    default: break;
    }
}

void ParserBase::appendComparisonOperator()
{
    switch (LA(1)) {
    case T::EQUAL: exprAppendText("==="); break;
    case T::NOT_EQUAL: case T::PASDIFF: exprAppendText("!=="); break;
    case T::LESSER: exprAppendText("<"); break;
    case T::GREATER: exprAppendText(">"); break;
    case T::LESS_EQUAL: exprAppendText("<="); break;
    case T::GREAT_EQUAL: exprAppendText(">="); break;
    default: break;
    }
}

void ParserBase::appendProductOperator()
{
    switch (LA(1)) {
    case T::MUL: ::appendProductOperator("*", Msg::wordMultiply); break;
    case T::DIV: ::appendProductOperator("/", Msg::wordDivide); break;
    case T::LITERAL_mod: ::appendProductOperator("%", Msg::wordModulo); break;
    default: break;
    }
}

void ParserBase::appendKeywordConstant()
{
    switch (LA(1)) {
    case T::LITERAL_true: appendKeywordValue("true", typeBoolean); break;
    case T::LITERAL_false: appendKeywordValue("false", typeBoolean); break;
    case T::LITERAL_null: appendKeywordValue("null", typeObject); break;
    case T::LITERAL_nil: appendKeywordValue("", typeNil); break;
    case T::LITERAL_zero: appendKeywordValue("0", typeNumber); break;
    default: break;
    }
}

void ParserBase::takeModifier()
{
    switch (LA(1)) {
    case T::LITERAL_static: writeStaticModifier(); break;
    case T::LITERAL_const: currentKind = kindConstant; break;
    case T::LITERAL_protected: writeModifier("protected "); break;
    case T::LITERAL_private: writeModifier("private "); break;
    default: break;
    }
}

namespace {
// The type of a literal token, 0 for any other token.
int literalTokenType(int token)
{
    switch (token) {
    case T::REAL_LITERAL: return typeReal;
    case T::INTEGER: return typeInteger;
    case T::STRING_LITERAL: return typeText;
    default: return 0;
    }
}
}

void ParserBase::takeLiteralToken()
{
    if (int type = literalTokenType(LA(1)))
        takeLiteralValue(LT(1)->getText(), type);
}

void ParserBase::addXmlAttribute(const std::string& name)
{
    if (int type = literalTokenType(LA(1)))
        xmlAttributeEntry(name, LT(1)->getText(), type);
}

// statementEnd: EOL | SEMI, or the code's end
// writes: ; and a line end (endStatementLine, endStatementAtSemicolon), or
// the ; alone where the code ends; nothing for any other token
bool ParserBase::writeStatementEnd()
{
    bool codeEnded = codeEndsHere();
    if (inputState->guessing != 0)
        return codeEnded;
    if (codeEnded)
        emitSemicolon();
    else if (LA(1) == T::EOL)
        endStatementLine();
    else if (LA(1) == T::SEMI)
        endStatementAtSemicolon();
    return codeEnded;
}

// javaClassName: "java" "." "text" "." ID | "java" "." ID | "javax" "." ID
// writes nothing; the qualified name starts as java.text.X, java.X or javax.X
void ParserBase::takeJavaClassName()
{
    if (LA(1) == T::LITERAL_java && LA(2) == T::DOT && LA(3) == T::LITERAL_text) {
        if (LA(4) == T::DOT && LA(5) == T::ID)
            setJavaClassName("java.text.", LT(5)->getText());
    } else if ((LA(1) == T::LITERAL_java || LA(1) == T::LITERAL_javax) && LA(2) == T::DOT &&
               LA(3) == T::ID) {
        setJavaClassName(LA(1) == T::LITERAL_java ? "java." : "javax.", LT(3)->getText());
    }
}

// rangeOperator: ( ".." | "--" )
// writes nothing; ".." takes the upper bound in, "--" leaves it out
void ParserBase::takeRangeOperator()
{
    switch (LA(1)) {
    case T::DOTDOT: rangeInclusive = 1; break;
    case T::MINMIN: rangeInclusive = 0; break;
    default: break;
    }
}

// inputStatement: "input" (STRING_LITERAL comma)?
// writes nothing; keeps the prompt as written, or none
void ParserBase::takeInputPrompt()
{
    inputPrompt = LA(1) == T::STRING_LITERAL ? LT(1)->getText() : std::string();
}

// forRangeSpec: "step" ("-" | "+")? INTEGER
// writes nothing; the step's sign and digits (::takeLiteralStep)
void ParserBase::takeLiteralStep()
{
    int digits = LA(1) == T::MINUS || LA(1) == T::PLUS ? 2 : 1;
    if (LA(digits) == T::INTEGER)
        ::takeLiteralStep(LA(1) == T::MINUS, LT(digits)->getText());
}

// externDeclaration: ("static")? ("const")? typeSpec ...
// writes nothing; a variable or a prototype, static after "static"
void ParserBase::beginExternDeclaration()
{
    ::beginExternDeclaration();
    if (LA(1) == T::LITERAL_static)
        staticModifier = symbolStatic;
}

void ParserBase::takeEnumLiteral()
{
    switch (LA(1)) {
    case T::REAL_LITERAL: enumRealValue(LT(1)->getText()); break;
    case T::INTEGER: enumIntegerValue(LT(1)->getText()); break;
    case T::STRING_LITERAL: enumTextValue(LT(1)->getText()); break;
    default: break;
    }
}
