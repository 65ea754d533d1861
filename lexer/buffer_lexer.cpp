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
}  // namespace

class PoolToken final : public ANTLR_USE_NAMESPACE(antlr)CommonToken {
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
    // Read once, as a rule: the text goes straight from the buffer to the
    // caller, without a copy kept in the token.
    std::string getText() const override
    {
        if (viewPending_)
            return std::string(from_, length_);
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

TokenPool::TokenPool() : slots_(kSlots)
{
    for (Slot& slot : slots_)
        fresh(slot);
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
        slot.token->settle();
}

void TokenPool::fresh(Slot& slot)
{
    slot.token = new PoolToken();
    slot.ref = TokenRef::getRef(slot.token);
    slot.handle = RefToken(slot.token);
}

void TokenPool::replace(Slot& slot)
{
    slot.token->settle();
    slot.handle = RefToken();
    if (slot.ref->decrement())
        delete slot.ref;
    fresh(slot);
}

RefToken TokenPool::take(int type, int line, int column, const char* text, size_t n)
{
    Slot& slot = slots_[next_];
    next_ = (next_ + 1) & (kSlots - 1);
    // held by the pool alone (its count and its handle), or left to its
    // holders
    if (slot.ref->count != 2)
        replace(slot);
    slot.token->reuse(type, line, column, text, n);
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

using VT = VelandroTokenTypes;

// What the direct path makes of a token's first character.
enum CharKind : unsigned char {
    kOther,  // left to nextToken
    kLetter,
    kDigit,
    kLineEnd,
    kSingle,  // a token of one character that nothing longer begins with
    kQuote,
    kDot,
    kMinus,
    kColon,
    kLess,
    kGreater,
    kQuestion,
    kCurly,
    kTilde,
    kBang,
    kSlash,
};

struct CharTable {
    CharKind kind[256] = {};
    int single[256] = {};
    bool name[256] = {};    // letters, digits and "_"
    bool letter[256] = {};  // letters
    CharTable()
    {
        for (int c = 0; c < 256; ++c) {
            letter[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
            name[c] = letter[c] || (c >= '0' && c <= '9') || c == '_';
            if (letter[c])
                kind[c] = kLetter;
            else if (c >= '0' && c <= '9')
                kind[c] = kDigit;
        }
        kind['\n'] = kind['\r'] = kLineEnd;
        kind['"'] = kind['\''] = kQuote;
        kind['.'] = kDot;
        kind['-'] = kMinus;
        kind[':'] = kColon;
        kind['<'] = kLess;
        kind['>'] = kGreater;
        kind['?'] = kQuestion;
        kind['{'] = kCurly;
        kind['~'] = kTilde;
        kind['!'] = kBang;
        kind['/'] = kSlash;
        const std::pair<char, int> singles[] = {
            {'(', VT::LEFTPAR},   {')', VT::RIGHTPAR},    {'[', VT::LEFTSQUARE},
            {']', VT::RIGHTSQUARE}, {'}', VT::RIGHTCURLY}, {',', VT::COMMA},
            {';', VT::SEMI},      {'+', VT::PLUS},        {'*', VT::MUL},
            {'^', VT::XOR_BIN},   {'|', VT::OR_BIN},      {'&', VT::AND_BIN},
            {'=', VT::EQUAL},     {'@', VT::ATCHAR},
        };
        for (const auto& [c, type] : singles) {
            kind[static_cast<unsigned char>(c)] = kSingle;
            single[static_cast<unsigned char>(c)] = type;
        }
    }
};
const CharTable chars;

inline unsigned char at(const char* p) { return static_cast<unsigned char>(*p); }
inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The character after p is c (and there is one).
inline bool nextIs(const char* p, const char* end, char c) { return p + 1 != end && p[1] == c; }

// The closing keywords, in the order the slash rule tries them.
struct ClosingKeyword {
    const char* word;
    unsigned int length;
    int type;
};
const ClosingKeyword closingKeywords[] = {
    {"class", 5, VT::SLASHCLASS}, {"if", 2, VT::SLASHIF},       {"while", 5, VT::SLASHWHILE},
    {"for", 3, VT::SLASHFOR},     {"do", 2, VT::SLASHDO},       {"script", 6, VT::SLASHSCRIPT},
    {"error", 5, VT::SLASHERROR}, {"enum", 4, VT::SLASHENUM},   {"try", 3, VT::SLASHTRY},
    {"extern", 6, VT::SLASHEXTERN},
};

// After a slash: the end of the closing keyword there, when one is there
// with a follower the slash rule accepts (a line end, a blank, ";" or
// "?>", which stays); null for a division.
const char* closingKeywordEnd(const char* p, const char* end, int& type)
{
    for (const ClosingKeyword& k : closingKeywords) {
        if (static_cast<size_t>(end - p) <= k.length ||
            std::char_traits<char>::compare(p, k.word, k.length) != 0)
            continue;
        const char* q = p + k.length;
        char c = *q;
        if (c == '\n' || c == '\r' || c == ' ' || c == ';' || (c == '?' && nextIs(q, end, '>'))) {
            type = k.type;
            return q;
        }
    }
    return nullptr;
}

// The number rule's tokens that need no trial: decimal integers, and reals
// of digits, "." and digits with neither exponent nor suffix. Null for any
// other (an octal, binary or hexadecimal number, a suffix, an exponent).
const char* numberEnd(const char* p, const char* end, int& type)
{
    const char* q = p;
    while (q != end && isDigit(*q))
        ++q;
    if (q == end) {
        type = VT::INTEGER;
        return *p == '0' && q - p > 1 ? nullptr : q;
    }
    if (*q == '.' && q + 1 != end && isDigit(q[1])) {
        // the fraction alternative, tried before any integer
        const char* r = q + 1;
        while (r != end && isDigit(*r))
            ++r;
        if (r != end) {
            switch (*r) {
            case 'e': case 'E': case 'f': case 'F': case 'r': case 'R':
                return nullptr;
            default:
                break;
            }
        }
        type = VT::REAL_LITERAL;
        return r;
    }
    if (*p == '0' && q - p > 1)
        return nullptr;
    switch (*q) {
    case 'e': case 'E': case 'f': case 'F': case 'r': case 'R':
    case 'L': case 'l': case 'n': case 'b': case 'B': case 'x': case 'X':
        return nullptr;
    default:
        break;
    }
    type = VT::INTEGER;
    return q;
}

}  // namespace

// Everything but names, line ends and strings, from p (not the end), with
// no tab inside: the token's end and type, or null for nextToken's.
const char* BufferLexer::scanRest(const char* p, const char* end, int& column, int& type) const
{
    unsigned char c = at(p);
    const char* q = p + 1;
    switch (chars.kind[c]) {
    case kDigit:
        q = numberEnd(p, end, type);
        break;
    case kSingle:
        type = chars.single[c];
        break;
    case kDot:
        if (nextIs(p, end, '.')) {
            type = VT::DOTDOT;
            ++q;
        } else if (q != end && isDigit(*q)) {
            return nullptr;  // a real such as ".5"
        } else {
            type = VT::DOT;
        }
        break;
    case kMinus:
        type = nextIs(p, end, '-') ? (++q, VT::MINMIN) : VT::MINUS;
        break;
    case kColon:
        type = nextIs(p, end, '=') ? (++q, VT::EQIF) : VT::COLON;
        break;
    case kGreater:
        if (nextIs(p, end, '>'))
            type = (++q, VT::SHIFT_RIGHT);
        else if (nextIs(p, end, '='))
            type = (++q, VT::GREAT_EQUAL);
        else
            type = VT::GREATER;
        break;
    case kLess:
        if (q == end) {
            type = VT::LESSER;
            break;
        }
        switch (*q) {
        case '<': type = (++q, VT::SHIFT_LEFT); break;
        case '>': type = (++q, VT::PASDIFF); break;
        case '=': type = (++q, VT::LESS_EQUAL); break;
        case '?': type = (++q, VT::OPENVEL); break;
        case '/':
            // a closing tag: "</", a name, ">"; anything less is the
            // rule's error
            ++q;
            if (q == end || !chars.letter[at(q)])
                return nullptr;
            while (q != end && chars.name[at(q)])
                ++q;
            if (q == end || *q != '>')
                return nullptr;
            ++q;
            type = VT::XCLOSE;
            break;
        default:
            if (chars.letter[at(q)]) {
                while (q != end && chars.name[at(q)])
                    ++q;
                type = VT::XOPEN;
            } else {
                type = VT::LESSER;
            }
            break;
        }
        break;
    case kQuestion:
        type = nextIs(p, end, '>') ? (++q, VT::CLOSEVEL) : VT::QUESTION;
        break;
    case kCurly:
        if (nextIs(p, end, '|'))
            return nullptr;  // a page text block
        type = VT::LEFTCURLY;
        break;
    case kTilde:
        if (nextIs(p, end, '~'))
            return nullptr;  // a native code block
        type = VT::NOT_BIN;
        break;
    case kBang:
        if (!nextIs(p, end, '='))
            return nullptr;  // the rule's error
        type = (++q, VT::NOT_EQUAL);
        break;
    case kSlash:
        if (nextIs(p, end, '/') || nextIs(p, end, '*'))
            return nullptr;  // a comment
        if (const char* k = closingKeywordEnd(q, end, type))
            q = k;
        else
            type = VT::DIV;
        break;
    default:
        return nullptr;
    }
    if (q)
        column += static_cast<int>(q - p);
    return q;
}

bool BufferLexer::quickToken(QuickToken& token)
{
    const char* p = input_->position();
    const char* const end = input_->end();
    int column = state_->column;
    // the blanks before it, which the blank rule would skip one by one
    for (; p != end; ++p) {
        if (*p == ' ' || *p == '\f')
            ++column;
        else if (*p == '\t')
            column = ((column - 1) / tabsize + 1) * tabsize + 1;
        else
            break;
    }
    input_->moveTo(p);
    state_->column = column;
    if (p == end || !caseSensitive)
        return false;
    token.line = state_->line;
    token.column = column;
    token.text = p;
    unsigned char c = at(p);
    const char* q = p + 1;
    switch (chars.kind[c]) {
    case kLetter:
        // the name rule, and its keyword if it is one
        while (q != end && chars.name[at(q)])
            ++q;
        token.type = keyword(p, static_cast<unsigned int>(q - p), VT::ID);
        column += static_cast<int>(q - p);
        break;
    case kLineEnd:
        if (c == '\r' && q != end && *q == '\n')
            ++q;
        token.type = VT::EOL;
        state_->line++;
        column = 1;
        break;
    case kQuote:
        // a string without escapes; any other goes to its rule
        ++column;
        for (;; ++q) {
            if (q == end)
                return false;
            unsigned char d = at(q);
            if (d == c)
                break;
            if (d == '\\' || d == '\n' || d == '\r')
                return false;
            column = d == '\t' ? ((column - 1) / tabsize + 1) * tabsize + 1 : column + 1;
        }
        ++q;
        ++column;
        token.type = VT::STRING_LITERAL;
        break;
    default:
        q = scanRest(p, end, column, token.type);
        if (!q)
            return false;
        break;
    }
    token.length = static_cast<unsigned int>(q - p);
    input_->moveTo(q);
    state_->column = column;
    return true;
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

// A keyword's slot: by length and first and last characters, which keep the
// keywords apart well enough.
inline size_t keywordSlot(const char* s, unsigned int n, size_t mask)
{
    return (at(s) * 7u + at(s + n - 1) * 31u + n * 131u) & mask;
}

}  // namespace

void BufferLexer::buildKeywords() const
{
    // A table at most an eighth full: a name that is no keyword mostly
    // meets an empty slot at once.
    size_t size = 64;
    while (size < literals.size() * 8)
        size *= 2;
    keywords_.assign(size, Keyword{nullptr, 0, 0});
    for (const auto& entry : literals) {
        if (entry.first.empty())
            continue;
        unsigned int n = static_cast<unsigned int>(entry.first.size());
        size_t i = keywordSlot(entry.first.data(), n, size - 1);
        while (keywords_[i].type != 0)
            i = (i + 1) & (size - 1);
        keywords_[i] = Keyword{entry.first.data(), n, entry.second};
    }
    keywordCount_ = literals.size();
}

int BufferLexer::keyword(const char* s, unsigned int n, int type) const
{
    if (keywordCount_ != literals.size() || keywords_.empty())
        buildKeywords();
    if (n == 0)
        return type;
    const size_t mask = keywords_.size() - 1;
    for (size_t i = keywordSlot(s, n, mask); keywords_[i].type != 0; i = (i + 1) & mask) {
        const Keyword& k = keywords_[i];
        if (k.length != n)
            continue;
        unsigned int j = 0;
        while (j < n && k.name[j] == s[j])
            ++j;
        if (j == n)
            return k.type;
    }
    return type;
}
