// The hand-written part of VelandroParser, which ANTLR generates from
// VelandroParser.g as a class derived from this one: the recovery after a
// syntax error (resynchronising, skipping the rest of a line, a statement or
// a block), the scans of the tokens ahead that the rules test in their
// predicates, the guards of a too deep operand or a bad call, the rules'
// handlers, and the steps that go by the token at LA(1). What it keeps is
// the parse's own (the tokens a recovery stopped at); the translation state
// is the process-wide state of the rules' helpers. The scopes after the
// class are what a rule's init action builds.
#pragma once

#include <string>

#include <antlr/BitSet.hpp>
#include <antlr/RecognitionException.hpp>
#include <antlr/TokenStreamException.hpp>

#include "VelandroTokenTypes.hpp"
#include "emit/emit.h"
#include "parser/call_actions.h"
#include "parser/class_actions.h"
#include "parser/expression_actions.h"
#include "parser/head_actions.h"
#include "parser/nesting.h"
#include "parser/statement_actions.h"
#include "parser/token_queue.h"
#include "semantic/messages.h"
#include "semantic/types.h"

class ParserBase : public BufferParser, public NestingStop {
    using T = VelandroTokenTypes;

public:
    using BufferParser::BufferParser;
    // Whether the actions run: the parser is not guessing.
    bool translating() const { return inputState->guessing == 0; }
    // The text of a token the rule matched.
    static std::string text(const antlr::RefToken& token) { return token->getText(); }
    // An operand, a step or a chain level that nests too deeply ends the
    // operand (throwTooDeep).
    void stopIfTooDeep(bool tooDeep)
    {
        if (tooDeep)
            throwTooDeep();
    }
    // The start rule of a source (or of a page), with a lexical error that
    // ends the file reported and counted wherever the parse met it.
    void translateFile(bool page);
    // The start rules, generated from the grammar.
    virtual void sourceFile() = 0;
    virtual void webPage() = 0;

    // A syntax error the runtime reports counts as an error of the file, so
    // that the file fails (exit code, no run, file times set back).
    // Inside the rules this name is the runtime's; the program's own reporter
    // of coded messages is ::reportError(code).
    void reportError(const antlr::RecognitionException& ex) override;
    using antlr::LLkParser::reportError;

    // For the handlers written in this grammar, which report and return
    // without resynchronising: a rule that consumed nothing (LT(1) is still
    // `first`) would hand its caller the same token again, and a loop of the
    // caller would never end. Then the rest of the line is skipped; its line
    // end (or "?>", or the end of the input) stays for the caller.
    // Usage: init action `auto first = LT(1);`,
    // and in the handler, after the report, `skipLineIfStuck(first);`.
    void skipLineIfStuck(const antlr::RefToken& first);
    // The generated handlers' resynchronisation, counting the lines it skips.
    void recover(const antlr::RecognitionException& ex,
                 const antlr::BitSet& follow) override;
    void consumeUntil(const antlr::BitSet& follow) override;
    using antlr::LLkParser::consumeUntil;
    // consumeUntil after the token `previous` (0: none, the skip starts
    // where a statement may).
    void skipUntil(const antlr::BitSet& follow, int previous);
    // The rest of the line, up to its line end (or "?>", or the end of
    // the input), which stays for the caller.
    void skipRestOfLine();
    // The token stream for skipCompoundStatement.
    TokenCursor tokenCursor();
    // The tokens ahead for the method heads of a class body; a lexical
    // error there is no token, met again when the parse gets to it.
    const TokenPeek* tokensAhead();
    TokenPeek tokenPeek_;
    static int peekType(void* parser, int i);
    static std::string peekText(void* parser, int i);
    // After a statement's handler: a statement stuck at its first token, or
    // stopped on its first line, skips the rest of that line, which would
    // otherwise be read again as statements; an error on a later line
    // leaves the token for the caller.
    void skipBadLine(const antlr::RefToken& first);
    // After a compound statement's handler: an error on the header's line
    // skips the rest of the statement, its block and closing line included;
    // an error on a later line leaves the token for the caller.
    void skipBadStatement(const antlr::RefToken& first);
    // The first token of the line of a statement being parsed (a test
    // line, a tail): an error later in that line skips the rest of it.
    antlr::RefToken partStart;
    bool partInBlock = false;   // the part's block and the closer still follow
    // The token a compound statement's handler stopped at, already reported.
    antlr::RefToken reportedToken;
    bool alreadyReported(const antlr::RefToken& token)
    {
        return reportedToken && token.get() == reportedToken.get();
    }
    // The same for a case of a do statement, up to the next case.
    void skipBadCase(const antlr::RefToken& first);
    // Recovery inside extern blocks, extern classes and enumeration blocks:
    // their closing keyword is never skipped.
    void skipExternLine(const antlr::RefToken& first);
    void reportStrayToken(const antlr::RefToken& token);
    void skipToEnumEnd();
    // After a syntax error inside an XML literal: its open elements closed,
    // the statement ended, the rest of its outermost element skipped.
    void closeBrokenXmlLiteral();

protected:
    // The rules' scope objects below run steps of the rule's own.
    friend struct NestingLimit;
    friend struct TestLine;

    // The blocks a compound statement's keyword opens (0: no compound
    // statement); the statement reported and skipped when they do not fit.
    static int compoundStatementBlocks(int keyword)
    {
        switch (keyword) {
        case T::LITERAL_if: case T::LITERAL_while: case T::LITERAL_error: case T::LITERAL_try:
        case T::LITERAL_for: return 1;
        case T::LITERAL_do: return 2;   // the block of its body and one of its case form
        default: return 0;
        }
    }
    bool skippedAsTooDeep(int blocks);

    // Whether the parentheses at LA(1) hold one value (no comma at their own
    // level before the closing one).
    bool singleValueInParentheses();
    // Whether a member chain that ends in a call starts at LA(1): segments
    // (a name and its brackets) joined by ".", then a name and "(". Tokens
    // only: a trial parse would read every nested chain again.
    bool memberCallAhead();
    // Whether "." or "[" follows the name at LA(1): the gate of a member
    // chain's trial, which a plain name then never costs.
    bool memberStepAhead() { return LA(2) == T::DOT || LA(2) == T::LEFTSQUARE; }
    // Whether LA(1) is a name with an index after it ("l[0]"): no type
    // begins so, and a trial parse of one would fail by throwing.
    bool indexedNameAhead()
    {
        return LA(1) == T::ID && LA(2) == T::LEFTSQUARE && LA(3) != T::RIGHTSQUARE;
    }
    // Whether the "[" at LA(1) opens a slice whose start is absent or one
    // number or name: it cannot be an index, and need not be tried as one.
    bool plainSliceAhead()
    {
        int after = LA(2);
        if (after == T::INTEGER || after == T::ID)
            after = LA(3);
        return after == T::DOTDOT || after == T::MINMIN;
    }
    // Whether a function follows the first type (a name and "(", or ",").
    bool functionAhead()
    {
        return (LA(1) == T::ID && LA(2) == T::LEFTPAR) || LA(1) == T::COMMA;
    }
    // Whether a name and what may follow it in a declaration of one object
    // of a class type starts at LA(1), or of variables of a keyword type
    // (a list of them, or an error-catching value, too); page code may end
    // the declaration at "?>" or a script end tag.
    bool instanceAhead()
    {
        return LA(1) == T::ID && (LA(2) == T::EQUAL || LA(2) == T::EOL || LA(2) == T::SEMI
                                  || LA(2) == T::CLOSEVEL || LA(2) == T::LESSER
                                  || LA(2) == antlr::Token::EOF_TYPE);
    }
    bool variablesAhead()
    {
        return instanceAhead() || (LA(1) == T::ID && (LA(2) == T::COMMA || LA(2) == T::EQIF));
    }
    // Page code may end a statement at "?>", at the end tag of a script
    // element or at the end of the input.
    bool codeEndsHere();
    bool atEndOfInput() { return LA(1) == antlr::Token::EOF_TYPE; }
    // A statement end (or the code's end) at LA(1).
    bool statementEndAhead() { return LA(1) == T::EOL || LA(1) == T::SEMI || codeEndsHere(); }
    // A closing keyword ahead that no open statement takes.
    bool strayCloserAhead() { return ::strayCloserAhead(LA(1)); }
    // An identifier or PHP name followed by what an assignment target is.
    bool assignmentAhead();
    // Ends an operand nested deeper than the parser's stack allows, as a
    // syntax error at the current token, reported there; the rest of its
    // line is skipped, and the handlers that meet the line's end on the way
    // out report nothing more (tooDeepStop).
    [[noreturn]] void throwTooDeep() override;
    antlr::RefToken tooDeepStop;
    // The parser stands at the line end a too deep operand was cut at; a
    // list's optional line end before its closer is then not taken.
    bool atTooDeepStop() { return tooDeepStop && LT(1).get() == tooDeepStop.get(); }
    // Calls that stop at one token are one bad call: the innermost reports,
    // the calls around it do not; nor does any after a too deep operand,
    // reported where it was cut.
    antlr::RefToken badCallStop;
    bool firstBadCallHere();
    // A lexical error ends the file: reported in the runtime's form,
    // counted; the start rule then returns.
    void reportTokenStreamError(const antlr::TokenStreamException& ex);

    // The same for what a statement's handler reports and skips whole (an
    // XML literal, an extern class): a plain syntax error at LT(1).
    void refuseIfTooDeep(const NestingGuard& nesting, const char* what);
    // A statement begun (its indent written); a compound statement whose
    // blocks do not fit the block-scope table is reported and skipped
    // whole, and false then (the rule returns).
    bool startStatement()
    {
        beginStatement();
        int blocks = compoundStatementBlocks(LA(1));
        return blocks == 0 || !skippedAsTooDeep(blocks);
    }
    // A statement's end, written by the token ahead: a line end or ";".
    // One the code's end stands for (page code) has its ";" written, and
    // true (the rule returns).
    bool writeStatementEnd();
    // "break", "continue" and "global" end their statement: anything but
    // the line's end after them is a syntax error there.
    void requireStatementEnd(bool commentEnds);
    // The line of a statement part (a test line, a do tail) starts at LT(1);
    // `inBlock`: its block and the closer still follow.
    void startPart(bool inBlock)
    {
        if (inputState->guessing == 0) {
            partStart = LT(1);
            partInBlock = inBlock;
        }
    }
    // The one-line body of a while: a bare "break" or "continue" (after
    // "let" or "?" too) goes in the wrapper the block form has; true then.
    bool openOneLineWhileBody();
    // A syntax error the runtime reports where a statement's closing
    // keyword or part stands alone (unless a handler just reported it).
    void reportStrayLine();
    // A syntax error at LT(1), reported in the runtime's form.
    void reportUnexpectedToken();
    // The operator rules, by the operator at LA(1): a type keyword's type
    // (a parameter's type has no "char"), an assignment operator, the PHP
    // text of a comparison or of "*", "/" and "mod".
    void beginKeywordType(bool parameter);
    void setCompoundAssignOperator();
    void appendComparisonOperator();
    void appendProductOperator();
    // An operator of a term chain begun on its level; "or" or "and" begun
    // on a test chain.
    void beginTermOperator(TermChain& chain)
    {
        switch (LA(1)) {
        case T::MUL: case T::DIV: case T::LITERAL_mod: chain.beginOperator(productLevel); break;
        case T::PLUS: case T::MINUS: chain.beginOperator(additiveLevel); break;
        case T::SHIFT_LEFT: case T::SHIFT_RIGHT: chain.beginOperator(shiftLevel); break;
        case T::AND_BIN: chain.beginOperator(bitAndLevel); break;
        case T::XOR_BIN: chain.beginOperator(bitXorLevel); break;
        case T::OR_BIN: chain.beginOperator(bitOrLevel); break;
        default: break;
        }
    }
    void beginLogicalOperator(TestChain& chain) { chain.beginLogical(LA(1) == T::LITERAL_or); }
    // The same for the keyword values, the modifiers, and the literal
    // tokens of a value, an XML attribute and an enumeration item; nothing
    // for any other token (the rule then fails as it stands).
    void appendKeywordConstant();
    void takeModifier();
    void takeLiteralToken();
    void addXmlAttribute(const std::string& name);
    void takeEnumLiteral();
    // The same for a range's operator, a Java class name, an input's
    // prompt (none when no text stands there), a for loop's literal step
    // (its sign and digits) and an extern declaration ("static" or not).
    void takeRangeOperator();
    void takeJavaClassName();
    void takeInputPrompt();
    void takeLiteralStep();
    void beginExternDeclaration();

    // --- The handlers written in the grammar. The generated code runs them
    // only when the parser is not guessing (a failed trial is no error, and
    // is thrown on); a lexical error that the rule catches (as an
    // ANTLRException) goes on to the start rule.
    // An item of an extern block or an extern class: the rest of its line.
    void recoverExternLine(const antlr::RecognitionException& ex, const antlr::RefToken& first);
    void recoverExternLine(const antlr::RecognitionException& ex);   // from LT(1)
    // An enumeration block: the rest of it, up to its "/enum".
    void abandonEnumBlock(const antlr::RecognitionException& ex);
    // A line of a block or a body (skipBadLine).
    void recoverBadLine(const antlr::RecognitionException& ex, const antlr::RefToken& first);
    // A compound statement: what it opened given back, reported, skipped
    // (skipBadStatement); with a word, reported as a bad statement of it.
    void abandonStatement(const antlr::RecognitionException& ex, const struct CompoundStatement& statement);
    void abandonStatement(const antlr::ANTLRException& ex, const struct CompoundStatement& statement,
                          Msg word);
    // A part of a do statement's case form (the cases, the always part):
    // what it opened given back, reported by code.
    void abandonCasePart(const antlr::ANTLRException& ex, const OpenedState& opened, Msg code);
    // A case: an empty case written in its place, so that the chain goes
    // on, and its block skipped up to the next case. A later case counts
    // its else branch.
    void abandonFirstCase(const antlr::ANTLRException& ex, const struct CasePart& part);
    void abandonLaterCase(const antlr::ANTLRException& ex, const struct CasePart& part);
    // A declaration at file level or in a class body: a bad declaration,
    // the rest of its line skipped.
    void abandonDeclaration(const antlr::ANTLRException& ex);
    // A class: what it opened closed, the rest of the line skipped.
    void abandonClass(const antlr::RecognitionException& ex);
    // A class head: the class opened all the same, its line skipped with
    // its line end.
    void abandonClassHead(const antlr::RecognitionException& ex);
    // A function: closed; the rest of the line skipped, except the
    // "/class" of its class.
    void abandonFunction(const antlr::RecognitionException& ex);
    // A parameter list: skipped up to its ")" or to what begins the body.
    void abandonParameters(const antlr::RecognitionException& ex);
    // A super-constructor call: given back, the rest of the line skipped.
    void abandonSuperConstructorCall(const antlr::RecognitionException& ex);
    // A return statement: the rest of its line, with its line end.
    void abandonReturn(const antlr::RecognitionException& ex, const antlr::RefToken& first);
    // An XML literal: its elements closed (closeBrokenXmlLiteral); at the
    // end of the file, closed before the lexical error goes on.
    void abandonXmlLiteral(const antlr::RecognitionException& ex);
    [[noreturn]] void closeXmlLiteralAtFileEnd();
    // A call: given back (reported by the innermost of calls stopped at one
    // token), the line skipped when the call consumed nothing.
    void abandonBadCall(struct CallRule& call);

    // Statement actions that first require the statement's end: "global"
    // with its name, "break" or "continue" (not written with no loop open).
    void writeGlobalStatement(const std::string& name);
    void writeLoopJump(struct LoopJump& jump);
    // A do body closed; the line of its tail starts at LT(1).
    void closeDoBody();
};

// What a compound statement keeps while it is parsed: its first token (its
// keyword), its place among the open statements (by its closer), and what
// it opened, for its handler. Built after the check of the block-scope
// table; it starts a new statement (no one-line form, no part yet).
struct CompoundStatement {
    explicit CompoundStatement(ParserBase& parser)
        : first(parser.LT(1)), open(closerOf(parser.LA(1))), opened(saveOpened())
    {
        headerOneLine = false;
        parser.partStart = antlr::RefToken();
    }
    antlr::RefToken first;
    OpenStatement open;
    OpenedState opened;
    bool wrapped = false;   // while: its one-line body is in the wrapper
    bool caught = false;    // try: it has a catch part
};

// One more level of operand nesting while a rule runs: an operand deeper
// than the parser's stack allows ends there (throwTooDeep).
struct NestedOperand {
    explicit NestedOperand(ParserBase& parser) { parser.stopIfTooDeep(nesting.tooDeep()); }
    NestingGuard nesting;
};

// An operand after "~" or "not": one more level of nesting, which of the
// two its first token is, and where its text begins once the operator is
// written.
struct PrefixedOperand : NestedOperand {
    explicit PrefixedOperand(ParserBase& parser)
        : NestedOperand(parser), bitNot(parser.LA(1) == VelandroTokenTypes::NOT_BIN) {}
    void markStart() { start = exprLength(); }
    void complete() { bitNot ? completeBitNot(start) : completeNot(start); }
    bool bitNot;
    int start = 0;
};

// The signs before an operand, each a step that encloses the text before
// it, and where the operand's text begins once they are written.
struct OperandSigns : RuleSteps {
    using RuleSteps::RuleSteps;
    void markStart() { start = exprLength(); }
    void complete() { completeSignedOperand(start); }
    int start = 0;
};

// What a call's rule gives back when the call is bad (CallScope), and its
// first token, for the handler.
struct CallRule : CallScope {
    explicit CallRule(ParserBase& parser) : first(parser.LT(1)) {}
    antlr::RefToken first;
};

// A function call, one more level of operand nesting too.
struct FunctionCallRule : NestedOperand, CallRule {
    explicit FunctionCallRule(ParserBase& parser) : NestedOperand(parser), CallRule(parser) {}
};

// The steps of a member chain, each enclosing the text before it, and the
// chain's expression level, left as it was found if the chain fails.
struct ChainSteps : ChainScope, RuleSteps {
    explicit ChainSteps(ParserBase& parser) : ChainScope(parser.translating()), RuleSteps(parser) {}
};

// An operand nested past the limit for `what` is a syntax error at LT(1)
// (refuseIfTooDeep), reported by the statement's handler.
struct NestingLimit {
    NestingLimit(ParserBase& parser, const char* what) { parser.refuseIfTooDeep(nesting, what); }
    NestingGuard nesting;
};

// An extern class, refused as it begins when nested too deeply; it ends
// the class its head declared, if the head got so far.
struct ExternClass : NestingLimit {
    explicit ExternClass(ParserBase& parser)
        : NestingLimit(parser, "extern classes nested too deeply"), open(externClassesOpen()) {}
    void end() const
    {
        if (externClassesOpen() > open)
            endExternClass();
    }
    size_t open;
};

// "break" or "continue": which one, and whether it was written.
struct LoopJump {
    explicit LoopJump(ParserBase& parser)
        : isContinue(parser.LA(1) == VelandroTokenTypes::LITERAL_continue) {}
    bool isContinue;
    bool written = false;
};

// A test line of a composite if: where its operator and value begin; the
// line starts at LT(1), its block and closer still to come.
struct TestLine : CompositeComparison {
    explicit TestLine(ParserBase& parser) { parser.startPart(true); }
};

// The call frame of a call operand or a call statement, while not guessing.
struct CallFrameGuard {
    explicit CallFrameGuard(ParserBase& parser) : scope(parser.translating()) {}
    CallFrameScope scope;
};

// What was open before a part of a do statement's case form.
struct OpenedBefore : OpenedState {
    OpenedBefore() : OpenedState(saveOpened()) {}
};

// A case of a do statement: its first token and what was open before it.
struct CasePart {
    explicit CasePart(ParserBase& parser) : first(parser.LT(1)), opened(saveOpened()) {}
    antlr::RefToken first;
    OpenedState opened;
};

