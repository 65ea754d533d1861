// The hand-written part of VelandroParser, which ANTLR generates from
// VelandroParser.g as a class derived from this one: the recovery after a
// syntax error (resynchronising, skipping the rest of a line, a statement or
// a block), the scans of the tokens ahead that the rules test in their
// predicates, and the guards of a too deep operand or a bad call. What it
// keeps is the parse's own (the tokens a recovery stopped at); the
// translation state is the process-wide state of the rules' helpers.
#pragma once

#include <string>

#include <antlr/BitSet.hpp>
#include <antlr/RecognitionException.hpp>
#include <antlr/TokenStreamException.hpp>

#include "VelandroTokenTypes.hpp"
#include "parser/class_actions.h"
#include "parser/statement_actions.h"
#include "parser/token_queue.h"
#include "semantic/messages.h"
#include "semantic/types.h"

class ParserBase : public BufferParser {
    using T = VelandroTokenTypes;

public:
    using BufferParser::BufferParser;
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
    // Usage: init action `antlr::RefToken first = LT(1);`,
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
    // Whether the parentheses at LA(1) hold one value (no comma at their own
    // level before the closing one).
    bool singleValueInParentheses();
    // Whether a member chain that ends in a call starts at LA(1): segments
    // (a name and its brackets) joined by ".", then a name and "(". Tokens
    // only: a trial parse would read every nested chain again.
    bool memberCallAhead();
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
    // Page code may end a statement at "?>", at the end tag of a script
    // element or at the end of the input.
    bool codeEndsHere();
    // An identifier or PHP name followed by what an assignment target is.
    bool assignmentAhead();
    // Ends an operand nested deeper than the parser's stack allows, as a
    // syntax error at the current token, reported there; the rest of its
    // line is skipped, and the handlers that meet the line's end on the way
    // out report nothing more (tooDeepStop).
    void throwTooDeep();
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
};

// The grammar's actions pass some message codes as numbers; these take them
// there. Everywhere else a code is a Msg.
inline void reportError(int code) { reportError(static_cast<Msg>(code)); }
inline void reportBadSyntax(int word) { reportBadSyntax(static_cast<Msg>(word)); }
inline void checkArithmetic(int left, int right, int word)
{
    checkArithmetic(left, right, static_cast<Msg>(word));
}
