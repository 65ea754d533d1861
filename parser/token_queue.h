// The parser's token look-ahead. VelandroParser derives from BufferParser,
// which keeps the tokens ahead in one queue with their types beside them, so
// LA(i) is an index and a read, and the runtime's token buffer stays unused.
#ifndef VELP_PARSER_TOKEN_QUEUE_H
#define VELP_PARSER_TOKEN_QUEUE_H

#include <memory>
#include <vector>

#include <antlr/LLkParser.hpp>
#include <antlr/MismatchedTokenException.hpp>
#include <antlr/TokenBuffer.hpp>
#include <antlr/TokenStream.hpp>

#include "lexer/buffer_lexer.h"

class TokenQueue {
public:
    explicit TokenQueue(ANTLR_USE_NAMESPACE(antlr)TokenStream& source)
        : source_(&source), lexer_(dynamic_cast<BufferLexer*>(&source)) {}
    // The parser's guessing depth (inputState->guessing), read when the
    // lexer fails.
    void watchGuessing(const int* guessing) { guessing_ = guessing; }

    int type(unsigned int i) {
        size_t at = head_ + i - 1;
        if (at >= entries_.size())
            fill(at);
        return entries_[at].type;
    }
    const ANTLR_USE_NAMESPACE(antlr)RefToken& token(unsigned int i) {
        size_t at = head_ + i - 1;
        if (at >= entries_.size())
            fill(at);
        return entries_[at].token;
    }
    // A consumed token is let go at once unless a mark may come back to
    // it, so the lexer's pool can hand it out again.
    void consume() {
        if (marks_ == 0 && head_ < entries_.size())
            entries_[head_].token = ANTLR_USE_NAMESPACE(antlr)RefToken();
        ++head_;
        if (head_ >= kCompactAt && marks_ == 0)
            compact();
    }
    unsigned int mark() {
        ++marks_;
        return static_cast<unsigned int>(head_);
    }
    void rewind(unsigned int mark) {
        head_ = mark;
        if (marks_ != 0)
            --marks_;
    }

private:
    struct Entry {
        int type;
        ANTLR_USE_NAMESPACE(antlr)RefToken token;
    };
    static constexpr size_t kCompactAt = 32;
    void fill(size_t at);
    void compact();

    ANTLR_USE_NAMESPACE(antlr)TokenStream* source_;
    BufferLexer* lexer_;  // the source, when it is the buffer lexer
    const int* guessing_ = nullptr;
    std::vector<Entry> entries_;
    size_t head_ = 0;
    unsigned int marks_ = 0;
};

class BufferParser : public ANTLR_USE_NAMESPACE(antlr)LLkParser {
public:
    // The constructors the generated parser calls.
    BufferParser(ANTLR_USE_NAMESPACE(antlr)TokenStream& lexer, int k);
    BufferParser(ANTLR_USE_NAMESPACE(antlr)TokenBuffer& tokens, int k);
    BufferParser(const ANTLR_USE_NAMESPACE(antlr)ParserSharedInputState& state, int k);
    ~BufferParser() override;

    int LA(unsigned int i) final { return queue_.type(i); }
    ANTLR_USE_NAMESPACE(antlr)RefToken LT(unsigned int i) final { return queue_.token(i); }
    void consume() final { queue_.consume(); }
    unsigned int mark() final { return queue_.mark(); }
    void rewind(unsigned int pos) final { queue_.rewind(pos); }

    void match(int t) final {
        if (LA(1) != t)
            throw ANTLR_USE_NAMESPACE(antlr)MismatchedTokenException(
                getTokenNames(), getNumTokens(), LT(1), t, false, getFilename());
        consume();
    }
    void matchNot(int t) final {
        if (LA(1) == t)
            throw ANTLR_USE_NAMESPACE(antlr)MismatchedTokenException(
                getTokenNames(), getNumTokens(), LT(1), t, true, getFilename());
        consume();
    }
    void match(const ANTLR_USE_NAMESPACE(antlr)BitSet& b) final {
        if (!b.member(LA(1)))
            throw ANTLR_USE_NAMESPACE(antlr)MismatchedTokenException(
                getTokenNames(), getNumTokens(), LT(1), b, false, getFilename());
        consume();
    }

private:
    // A token buffer read as a stream, for the constructors given one.
    std::unique_ptr<ANTLR_USE_NAMESPACE(antlr)TokenStream> adapter_;
    TokenQueue queue_;
};

#endif
