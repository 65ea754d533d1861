#include "parser/token_queue.h"

#include <cstring>

#include <antlr/ParserSharedInputState.hpp>
#include <antlr/RecognitionException.hpp>
#include <antlr/TokenStreamRecognitionException.hpp>

using antlr::RefToken;
using antlr::TokenBuffer;
using antlr::TokenStream;

namespace {

class BufferStream : public TokenStream {
public:
    explicit BufferStream(TokenBuffer& buffer) : buffer_(buffer) {}
    RefToken nextToken() override
    {
        RefToken token = buffer_.LT(1);
        buffer_.consume();
        return token;
    }

private:
    TokenBuffer& buffer_;
};

}  // namespace

void TokenQueue::fill(size_t at)
{
    while (size_ <= at) {
        if (quick_.size() < size_ + kBatch) {
            quick_.resize(size_ + 2 * kBatch);
            objects_.resize(size_ + 2 * kBatch);
        }
        // Most tokens are read in batches by the lexer's direct path,
        // without its dispatch and without token objects. It reads no
        // token that can fail: lexical errors still come when the parser
        // reaches them.
        if (lexer_) {
            size_t n = lexer_->quickTokens(&quick_[size_], kBatch);
            size_ += n;
            if (n != 0)
                continue;
        }
        RefToken token;
        bool guessing = guessing_ && *guessing_ > 0;
        BufferLexer::Position before{};
        if (guessing && lexer_)
            before = lexer_->position();
        try {
            token = source_->nextToken();
        } catch (antlr::TokenStreamRecognitionException& ex) {
            // A syntactic predicate catches recognition errors only: a
            // lexical error met while it guesses would leave the parser
            // guessing for good, and every handler would pass it on. For
            // the guess it is a failed match; the lexer, put back where the
            // token began, meets it again when the parse itself gets there.
            if (guessing) {
                if (lexer_)
                    lexer_->moveTo(before);
                throw antlr::RecognitionException(
                    ex.getMessage(), ex.getFilename(), ex.getLine(), ex.getColumn());
            }
            throw;
        }
        quick_[size_].type = token->getType();
        objects_[size_] = token;
        ++size_;
    }
}

void TokenQueue::materialize(size_t at)
{
    objects_[at] = lexer_->tokenFor(quick_[at]);
}

void TokenQueue::release(size_t at)
{
    objects_[at] = RefToken();
}

void TokenQueue::inputChanging()
{
    // the quick tokens held (ahead, or behind a mark) view the old buffer:
    // their token objects take their texts before it goes
    for (size_t i = 0; i < size_; ++i)
        if (!objects_[i])
            materialize(i);
}

void TokenQueue::compact()
{
    // the consumed tokens go (let go already, unless a mark held them)
    for (size_t i : heldBehind_)
        if (i < head_ && i < size_ && objects_[i])
            release(i);
    heldBehind_.clear();
    if (head_ >= size_) {
        // (consumed without a look: those still to be read are passed)
        head_ -= size_;
        size_ = 0;
        return;
    }
    size_t kept = size_ - head_;
    std::memmove(quick_.data(), quick_.data() + head_, kept * sizeof(QuickToken));
    moved_ += kept;
    for (size_t i = 0; i < kept; ++i) {
        if (objects_[head_ + i]) {
            objects_[i] = objects_[head_ + i];
            objects_[head_ + i] = RefToken();
        }
    }
    size_ = kept;
    head_ = 0;
}

void BufferParser::mismatch(int t, bool inverted)
{
    throw antlr::MismatchedTokenException(getTokenNames(), getNumTokens(), LT(1),
                                                             t, inverted, getFilename());
}

void BufferParser::mismatch(const antlr::BitSet& b)
{
    throw antlr::MismatchedTokenException(getTokenNames(), getNumTokens(), LT(1),
                                                             b, false, getFilename());
}

BufferParser::BufferParser(TokenStream& lexer, int k)
    : LLkParser(lexer, k), queue_(lexer)
{
    queue_.watchGuessing(&inputState->guessing);
}

BufferParser::BufferParser(TokenBuffer& tokens, int k)
    : LLkParser(tokens, k), adapter_(new BufferStream(tokens)), queue_(*adapter_)
{
    queue_.watchGuessing(&inputState->guessing);
}

BufferParser::BufferParser(const antlr::ParserSharedInputState& state, int k)
    : LLkParser(state, k), adapter_(new BufferStream(inputState->getInput())), queue_(*adapter_)
{
    queue_.watchGuessing(&inputState->guessing);
}

BufferParser::~BufferParser() = default;
