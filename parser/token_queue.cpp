#include "parser/token_queue.h"

#include <antlr/ParserSharedInputState.hpp>
#include <antlr/RecognitionException.hpp>
#include <antlr/TokenStreamRecognitionException.hpp>

using ANTLR_USE_NAMESPACE(antlr)RefToken;
using ANTLR_USE_NAMESPACE(antlr)TokenBuffer;
using ANTLR_USE_NAMESPACE(antlr)TokenStream;

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
    while (entries_.size() <= at) {
        entries_.emplace_back();
        Entry& entry = entries_.back();
        // most tokens are made without the lexer's dispatch, and without a
        // token object
        if (lexer_ && lexer_->quickToken(entry.quick))
            continue;
        try {
            entry.token = source_->nextToken();
        } catch (ANTLR_USE_NAMESPACE(antlr)TokenStreamRecognitionException& ex) {
            entries_.pop_back();
            // A syntactic predicate catches recognition errors only: a
            // lexical error met while it guesses would leave the parser
            // guessing for good, and every handler would pass it on. For
            // the guess it is a failed match; the lexer, which consumed
            // nothing, meets it again when the parse itself gets there.
            if (guessing_ && *guessing_ > 0)
                throw ANTLR_USE_NAMESPACE(antlr)RecognitionException(
                    ex.getMessage(), ex.getFilename(), ex.getLine(), ex.getColumn());
            throw;
        } catch (...) {
            entries_.pop_back();
            throw;
        }
        entry.quick.type = entry.token->getType();
    }
}

void TokenQueue::materialize(Entry& entry)
{
    entry.token = lexer_->tokenFor(entry.quick);
}

void TokenQueue::release(Entry& entry)
{
    entry.token = RefToken();
}

void TokenQueue::inputChanging()
{
    // the quick tokens held (ahead, or behind a mark) view the old buffer:
    // their token objects take their texts before it goes
    for (Entry& entry : entries_)
        if (!entry.token)
            materialize(entry);
}

void TokenQueue::compact()
{
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(head_));
    head_ = 0;
}

void BufferParser::mismatch(int t, bool inverted)
{
    throw ANTLR_USE_NAMESPACE(antlr)MismatchedTokenException(getTokenNames(), getNumTokens(), LT(1),
                                                             t, inverted, getFilename());
}

void BufferParser::mismatch(const ANTLR_USE_NAMESPACE(antlr)BitSet& b)
{
    throw ANTLR_USE_NAMESPACE(antlr)MismatchedTokenException(getTokenNames(), getNumTokens(), LT(1),
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

BufferParser::BufferParser(const ANTLR_USE_NAMESPACE(antlr)ParserSharedInputState& state, int k)
    : LLkParser(state, k), adapter_(new BufferStream(inputState->getInput())), queue_(*adapter_)
{
    queue_.watchGuessing(&inputState->guessing);
}

BufferParser::~BufferParser() = default;
