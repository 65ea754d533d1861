#include "buffer_lexer.h"

#include <antlr/CommonToken.hpp>
#include <antlr/LexerSharedInputState.hpp>

#include "VelandroTokenTypes.hpp"

using ANTLR_USE_NAMESPACE(antlr)InputBuffer;
using ANTLR_USE_NAMESPACE(antlr)RefToken;
using ANTLR_USE_NAMESPACE(antlr)TokenRef;

namespace {

// A token of the pool, made ready for its next use. Its text stays a view
// of the buffer until something asks for it: most tokens' texts are never
// read. The pool makes the text a string of the token's own before the
// buffer can go (settle). The generated rules then set the text they
// collected, which is empty since the lexer collects none: that one setting
// is skipped.
class PoolToken : public ANTLR_USE_NAMESPACE(antlr)CommonToken {
public:
    void reuse(int type, int line, int column, const char* from, size_t n)
    {
        setType(type);
        this->line = line;
        col = column;
        from_ = from;
        length_ = n;
        viewPending_ = true;
        collectedTextPending_ = true;
    }
    void setText(const std::string& s) override
    {
        if (collectedTextPending_ && s.empty()) {
            collectedTextPending_ = false;
            return;
        }
        collectedTextPending_ = false;
        viewPending_ = false;
        text = s;
    }
    std::string getText() const override
    {
        settle();
        return text;
    }
    std::string toString() const override
    {
        settle();
        return CommonToken::toString();
    }
    void settle() const
    {
        if (viewPending_) {
            auto* self = const_cast<PoolToken*>(this);
            self->text.assign(from_, length_);
            self->viewPending_ = false;
        }
    }

private:
    const char* from_ = nullptr;
    size_t length_ = 0;
    bool viewPending_ = false;
    bool collectedTextPending_ = false;
};

PoolToken* poolToken(TokenRef* ref)
{
    return static_cast<PoolToken*>(ref->ptr);
}

}  // namespace

std::unique_ptr<MemoryInput> MemoryInput::drain(InputBuffer& input)
{
    std::string text;
    for (int c = input.getChar(); c != EOF; c = input.getChar())
        text.push_back(static_cast<char>(c));
    return std::make_unique<MemoryInput>(std::move(text));
}

void MemoryInput::reset()
{
    begin_ = pos_ = text_.data();
    end_ = begin_ + text_.size();
    marks_ = 0;
}

unsigned int MemoryInput::mark()
{
    ++marks_;
    return offset();
}

void MemoryInput::rewind(unsigned int mark)
{
    seek(mark);
    if (marks_ != 0)
        --marks_;
}

unsigned int MemoryInput::entries() const
{
    return static_cast<unsigned int>(end_ - pos_);
}

TokenPool::~TokenPool()
{
    // A token still held elsewhere goes with its last holder.
    settle();
    for (Slot& slot : slots_) {
        slot.handle = RefToken();
        if (slot.ref->decrement())
            delete slot.ref;
    }
}

void TokenPool::settle()
{
    for (Slot& slot : slots_)
        poolToken(slot.ref)->settle();
}

void TokenPool::fresh(Slot& slot)
{
    slot.ref = TokenRef::getRef(new PoolToken());
    slot.handle = RefToken(slot.ref->ptr);
}

RefToken TokenPool::take(int type, int line, int column, const char* text, size_t n)
{
    // Enough slots that a token comes round again only after the parser
    // has long consumed it; a held one is left to its holders.
    constexpr size_t kSlots = 64;
    if (slots_.size() < kSlots) {
        slots_.emplace_back();
        fresh(slots_.back());
        next_ = slots_.size() - 1;
    } else if (slots_[next_].ref->count != 2) {
        Slot& slot = slots_[next_];
        poolToken(slot.ref)->settle();
        slot.handle = RefToken();
        if (slot.ref->decrement())
            delete slot.ref;
        fresh(slot);
    }
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) & (kSlots - 1);
    poolToken(slot.ref)->reuse(type, line, column, text, n);
    return slot.handle;
}

BufferLexer::BufferLexer(InputBuffer* input, bool caseSensitive)
    : CharScanner(input, caseSensitive)
{
    attach(*input);
}

BufferLexer::BufferLexer(InputBuffer& input, bool caseSensitive)
    : CharScanner(input, caseSensitive)
{
    attach(input);
}

BufferLexer::BufferLexer(const ANTLR_USE_NAMESPACE(antlr)LexerSharedInputState& state,
                         bool caseSensitive)
    : CharScanner(state, caseSensitive)
{
    attach(inputState->getInput());
}

void BufferLexer::attach(InputBuffer& input)
{
    // Tokens still viewing the input they came from take their texts first.
    pool_.settle();
    state_ = inputState.get();
    input_ = dynamic_cast<MemoryInput*>(&input);
    if (!input_) {
        owned_ = MemoryInput::drain(input);
        input_ = owned_.get();
    }
}

namespace {

// The tokens of one character that nothing longer begins with, by that
// character (0 for the others).
struct SingleTokens {
    int type[256] = {};
    SingleTokens()
    {
        type[static_cast<unsigned char>('(')] = VelandroTokenTypes::LEFTPAR;
        type[static_cast<unsigned char>(')')] = VelandroTokenTypes::RIGHTPAR;
        type[static_cast<unsigned char>('[')] = VelandroTokenTypes::LEFTSQUARE;
        type[static_cast<unsigned char>(']')] = VelandroTokenTypes::RIGHTSQUARE;
        type[static_cast<unsigned char>('}')] = VelandroTokenTypes::RIGHTCURLY;
        type[static_cast<unsigned char>(',')] = VelandroTokenTypes::COMMA;
        type[static_cast<unsigned char>(';')] = VelandroTokenTypes::SEMI;
        type[static_cast<unsigned char>('+')] = VelandroTokenTypes::PLUS;
        type[static_cast<unsigned char>('*')] = VelandroTokenTypes::MUL;
        type[static_cast<unsigned char>('^')] = VelandroTokenTypes::XOR_BIN;
        type[static_cast<unsigned char>('|')] = VelandroTokenTypes::OR_BIN;
        type[static_cast<unsigned char>('&')] = VelandroTokenTypes::AND_BIN;
        type[static_cast<unsigned char>('=')] = VelandroTokenTypes::EQUAL;
    }
};
const SingleTokens singleTokens;

}  // namespace

RefToken BufferLexer::quickToken()
{
    // nextToken's start (passing blanks again there is nothing more)
    resetText();
    int c = LA(1);
    int type;
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
        consume();
        consumeNameRest();
        // the name rule's end: its keyword, if it is one
        type = keyword(tokenText(), VelandroTokenTypes::ID);
    } else if (c == '\n' || c == '\r') {
        // the line end rule
        consume();
        if (c == '\r' && LA(1) == '\n')
            consume();
        newline();
        type = VelandroTokenTypes::EOL;
    } else if (c >= '0' && c <= '9') {
        // a plain decimal number: digits, then nothing a longer number, a
        // real or a range could go on with; any other goes to its rule
        unsigned int i = 1;
        while (LA(i) >= '0' && LA(i) <= '9')
            ++i;
        if (c == '0' && i > 2)
            return RefToken();
        switch (LA(i)) {
        case '.': case 'e': case 'E': case 'f': case 'F': case 'r': case 'R':
        case 'L': case 'l': case 'n': case 'b': case 'B': case 'x': case 'X':
            return RefToken();
        default:
            break;
        }
        for (; i > 1; --i)
            consume();
        type = VelandroTokenTypes::INTEGER;
    } else if (c >= 0 && c < 256 && singleTokens.type[c] != 0) {
        consume();
        type = singleTokens.type[c];
    } else {
        return RefToken();
    }
    _returnToken = makeToken(type);
    return _returnToken;
}

void BufferLexer::match(const ANTLR_USE_NAMESPACE(antlr)BitSet& b)
{
    int la = LA(1);
    if (!b.member(la))
        throw ANTLR_USE_NAMESPACE(antlr)MismatchedCharException(la, b, false, this);
    consume();
}

void BufferLexer::mismatch(int la, int c, bool inverted)
{
    throw ANTLR_USE_NAMESPACE(antlr)MismatchedCharException(la, c, inverted, this);
}

void BufferLexer::mismatchRange(int la, int c1, int c2)
{
    throw ANTLR_USE_NAMESPACE(antlr)MismatchedCharException(la, c1, c2, false, this);
}

namespace {

size_t hashName(std::string_view s)
{
    size_t h = 2166136261u;
    for (unsigned char c : s)
        h = (h ^ c) * 16777619u;
    return h;
}

}  // namespace

int BufferLexer::keyword(std::string_view s, int type) const
{
    if (keywords_.empty() || keywordCount_ != literals.size()) {
        // A table at most a quarter full: a miss ends at an empty slot soon.
        size_t size = 16;
        while (size < literals.size() * 4)
            size *= 2;
        keywords_.assign(size, Keyword{std::string_view(), 0});
        for (const auto& entry : literals) {
            size_t i = hashName(entry.first) & (size - 1);
            while (keywords_[i].type != 0)
                i = (i + 1) & (size - 1);
            keywords_[i] = Keyword{entry.first, entry.second};
        }
        keywordCount_ = literals.size();
    }
    const size_t mask = keywords_.size() - 1;
    for (size_t i = hashName(s) & mask; keywords_[i].type != 0; i = (i + 1) & mask)
        if (keywords_[i].name == s)
            return keywords_[i].type;
    return type;
}
