// The parser's token look-ahead. VelandroParser derives from BufferParser,
// which keeps the tokens ahead in one queue with their types beside them, so
// LA(i) is an index and a read, and the runtime's token buffer stays unused.
// Most tokens come from the lexer's direct path without a token object; the
// queue makes one only for LT(i).
#ifndef VELP_PARSER_TOKEN_QUEUE_H
#define VELP_PARSER_TOKEN_QUEUE_H

#include <memory>
#include <vector>

#include <antlr/LLkParser.hpp>
#include <antlr/MismatchedTokenException.hpp>
#include <antlr/TokenBuffer.hpp>
#include <antlr/TokenStream.hpp>

#include "lexer/buffer_lexer.h"

class TokenQueue : private QuickTokenHolder {
public:
    explicit TokenQueue(antlr::TokenStream& source)
        : source_(&source), lexer_(dynamic_cast<BufferLexer*>(&source)) {
        if (lexer_)
            lexer_->holdQuickTokens(this);
    }
    ~TokenQueue() {
        if (lexer_)
            lexer_->holdQuickTokens(nullptr);
    }
    TokenQueue(const TokenQueue&) = delete;
    TokenQueue& operator=(const TokenQueue&) = delete;
    // The parser's guessing depth (inputState->guessing), read when the
    // lexer fails.
    void watchGuessing(const int* guessing) { guessing_ = guessing; }

    VELP_INLINE int type(unsigned int i) {
        size_t at = head_ + i - 1;
        if (at >= size_)
            fill(at);
        return quick_[at].type;
    }
    // The token object, made when first asked for: the same one for as long
    // as the queue holds the token.
    VELP_INLINE const antlr::RefToken& token(unsigned int i) {
        size_t at = head_ + i - 1;
        if (at >= size_)
            fill(at);
        if (!objects_[at])
            objects_[at] = lexer_->tokenFor(quick_[at]);
        return objects_[at];
    }
    // A consumed token is let go at once unless a mark may come back to
    // it, so the lexer's pool can hand it out again. The consumed ones are
    // moved out once they are as many as those still ahead: a long stretch
    // read ahead (by a guess) is then moved a bounded number of times, not
    // once for every few tokens consumed.
    VELP_INLINE void consume() {
        if (head_ < size_ && objects_[head_]) {
            if (marks_ == 0)
                release(head_);
            else
                heldBehind_.push_back(head_);
        }
        ++head_;
        if (marks_ == 0 && head_ >= kCompactAt && 2 * head_ >= size_)
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
    // How many tokens the compactions have moved so far: the queue's work
    // beside its reads, which stays within a few times the tokens read.
    size_t movedTokens() const { return moved_; }

private:
    // The tokens ahead (and behind a mark), size_ of them: each one's type,
    // position and text in the lexer's buffer, and its token object once
    // there is one (from the start for the tokens nextToken makes). Both
    // arrays are longer than size_ by room for one batch of the lexer.
    static constexpr size_t kCompactAt = 256;
    static constexpr size_t kBatch = 64;
    void fill(size_t at);
    void compact();
    void materialize(size_t at);
    void release(size_t at);
    void inputChanging() override;

    antlr::TokenStream* source_;
    BufferLexer* lexer_;  // the source, when it is the buffer lexer
    const int* guessing_ = nullptr;
    std::vector<QuickToken> quick_;
    std::vector<antlr::RefToken> objects_;
    size_t size_ = 0;
    size_t head_ = 0;
    unsigned int marks_ = 0;
    size_t moved_ = 0;
    // where a token consumed under a mark held its object: a rewind may
    // come back to it; when none does, compact lets it go
    std::vector<size_t> heldBehind_;
};

class BufferParser : public antlr::LLkParser {
public:
    // The constructors the generated parser calls.
    BufferParser(antlr::TokenStream& lexer, int k);
    BufferParser(antlr::TokenBuffer& tokens, int k);
    BufferParser(const antlr::ParserSharedInputState& state, int k);
    ~BufferParser() override;

    VELP_INLINE int LA(unsigned int i) final { return queue_.type(i); }
    antlr::RefToken LT(unsigned int i) final { return queue_.token(i); }
    VELP_INLINE void consume() final { queue_.consume(); }
    unsigned int mark() final { return queue_.mark(); }
    void rewind(unsigned int pos) final { queue_.rewind(pos); }
    size_t movedTokens() const { return queue_.movedTokens(); }

    // Inlined into the rules; the exceptions are made out of line.
    VELP_INLINE void match(int t) final {
        if (queue_.type(1) != t)
            mismatch(t, false);
        queue_.consume();
    }
    VELP_INLINE void matchNot(int t) final {
        if (queue_.type(1) == t)
            mismatch(t, true);
        queue_.consume();
    }
    void match(const antlr::BitSet& b) final {
        if (!b.member(queue_.type(1)))
            mismatch(b);
        queue_.consume();
    }

private:
    [[noreturn]] void mismatch(int t, bool inverted);
    [[noreturn]] void mismatch(const antlr::BitSet& b);
    // A token buffer read as a stream, for the constructors given one.
    std::unique_ptr<antlr::TokenStream> adapter_;
    TokenQueue queue_;
};

#endif
