#include "buffer_lexer.h"

#include <cstring>

#include <antlr/CommonToken.hpp>
#include <antlr/LexerSharedInputState.hpp>

#include "VelandroTokenTypes.hpp"

using antlr::InputBuffer;
using antlr::RefToken;
using antlr::TokenRef;

void PoolToken::setText(const std::string& s)
{
    if (collectedTextPending_ && s.empty()) {
        collectedTextPending_ = false;
        return;
    }
    collectedTextPending_ = false;
    viewPending_ = false;
    text = s;
}

std::string PoolToken::toString() const
{
    settle();
    return CommonToken::toString();
}

void PoolToken::settle() const
{
    if (viewPending_) {
        auto* self = const_cast<PoolToken*>(this);
        self->text.assign(from_, length_);
        self->viewPending_ = false;
    }
}

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
    end_ = begin_ + size_;
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

BufferLexer::BufferLexer(const antlr::LexerSharedInputState& state,
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
        // ORDER SINGLE-TOKENS: twin of the one-character rules LEFTPAR to
        // ATCHAR in VelandroLexer.g; the vocabulary walk in
        // tests/lexer/lexer_test.cpp reads each through both.
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
inline int tabStop(int column, int size) { return ((column - 1) / size + 1) * size + 1; }

// The scans below may read past the end of the text: the input's zero
// padding ends every run of letters, digits or blanks, and matches no
// character a token is made of.

// The closing keywords, in the order the slash rule tries them.
// ORDER CLOSING-KEYWORDS: twin of the SLASH rule's alternatives in
// VelandroLexer.g, followers included (closingKeywordEnd).
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
const char* closingKeywordEnd(const char* p, int& type)
{
    for (const ClosingKeyword& k : closingKeywords) {
        if (std::char_traits<char>::compare(p, k.word, k.length) != 0)
            continue;
        const char* q = p + k.length;
        char c = *q;
        if (c == '\n' || c == '\r' || c == ' ' || c == ';' || (c == '?' && q[1] == '>')) {
            type = k.type;
            return q;
        }
    }
    return nullptr;
}

// The number rule's tokens that need no trial: decimal integers, and reals
// of digits, "." and digits with neither exponent nor suffix. Null for any
// other (an octal, binary or hexadecimal number, a suffix, an exponent).
inline const char* numberEnd(const char* p, int& type)
{
    const char* q = p;
    while (isDigit(*q))
        ++q;
    if (*q == '.' && isDigit(q[1])) {
        // the fraction alternative, tried before any integer
        const char* r = q + 1;
        while (isDigit(*r))
            ++r;
        switch (*r) {
        case 'e': case 'E': case 'f': case 'F': case 'r': case 'R':
            return nullptr;
        default:
            break;
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

// The operators and the other tokens of punctuation from p, which holds
// kind: the token's end and type, or null for nextToken's.
// ORDER OPERATORS: twin of the two-character operator rules, the markup
// rules (XOPEN, XCLOSE) and the one-character prefixes (QUESTION to LESSER)
// in VelandroLexer.g.
inline const char* operatorEnd(const char* p, CharKind kind, int& type)
{
    const char* q = p + 1;
    switch (kind) {
    case kSingle:
        type = chars.single[at(p)];
        return q;
    case kDot:
        if (*q == '.') {
            type = VT::DOTDOT;
            return q + 1;
        }
        if (isDigit(*q))
            return nullptr;  // a real such as ".5"
        type = VT::DOT;
        return q;
    case kMinus:
        if (*q == '-') {
            type = VT::MINMIN;
            return q + 1;
        }
        type = VT::MINUS;
        return q;
    case kColon:
        if (*q == '=') {
            type = VT::EQIF;
            return q + 1;
        }
        type = VT::COLON;
        return q;
    case kGreater:
        if (*q == '>' || *q == '=') {
            type = *q == '>' ? VT::SHIFT_RIGHT : VT::GREAT_EQUAL;
            return q + 1;
        }
        type = VT::GREATER;
        return q;
    case kLess:
        switch (*q) {
        case '<': type = VT::SHIFT_LEFT; return q + 1;
        case '>': type = VT::PASDIFF; return q + 1;
        case '=': type = VT::LESS_EQUAL; return q + 1;
        case '?': type = VT::OPENVEL; return q + 1;
        case '/':
            // a closing tag: "</", a name, ">"; anything less is the
            // rule's error
            ++q;
            if (!chars.letter[at(q)])
                return nullptr;
            while (chars.name[at(q)])
                ++q;
            if (*q != '>')
                return nullptr;
            type = VT::XCLOSE;
            return q + 1;
        default:
            if (!chars.letter[at(q)]) {
                type = VT::LESSER;
                return q;
            }
            while (chars.name[at(q)])
                ++q;
            type = VT::XOPEN;
            return q;
        }
    case kQuestion:
        if (*q == '>') {
            type = VT::CLOSEVEL;
            return q + 1;
        }
        type = VT::QUESTION;
        return q;
    case kCurly:
        if (*q == '|')
            return nullptr;  // a page text block
        type = VT::LEFTCURLY;
        return q;
    case kTilde:
        if (*q == '~')
            return nullptr;  // a native code block
        type = VT::NOT_BIN;
        return q;
    case kBang:
        if (*q != '=')
            return nullptr;  // the rule's error
        type = VT::NOT_EQUAL;
        return q + 1;
    case kSlash:
        if (*q == '/' || *q == '*')
            return nullptr;  // a comment
        if (const char* k = closingKeywordEnd(q, type))
            return k;
        type = VT::DIV;
        return q;
    default:
        return nullptr;
    }
}

// A name's first 16 characters as two words, zero after its end, for the
// keyword table: read straight off the padded buffer, or copied when the
// name may lie anywhere.
struct NameWords {
    unsigned long long word[2];
};

struct NameMasks {
    unsigned long long mask[17][2];
    NameMasks()
    {
        for (unsigned int n = 0; n <= 16; ++n) {
            unsigned char bytes[16] = {};
            for (unsigned int i = 0; i < n; ++i)
                bytes[i] = 0xFF;
            std::memcpy(&mask[n][0], bytes, 8);
            std::memcpy(&mask[n][1], bytes + 8, 8);
        }
    }
};
const NameMasks nameMasks;

inline NameWords padded(const char* s, unsigned int n)
{
    NameWords w;
    std::memcpy(&w.word[0], s, 8);
    std::memcpy(&w.word[1], s + 8, 8);
    w.word[0] &= nameMasks.mask[n][0];
    w.word[1] &= nameMasks.mask[n][1];
    return w;
}

NameWords copied(const char* s, unsigned int n)
{
    char bytes[16] = {};
    std::memcpy(bytes, s, n < 16 ? n : 16);
    NameWords w;
    std::memcpy(&w.word[0], bytes, 8);
    std::memcpy(&w.word[1], bytes + 8, 8);
    return w;
}

inline size_t keywordSlot(const NameWords& w, unsigned int n, size_t mask)
{
    unsigned long long h = (w.word[0] ^ (w.word[1] << 1) ^ n) * 0x9E3779B97F4A7C15ull;
    return static_cast<size_t>(h >> 40) & mask;
}

}  // namespace

void BufferLexer::buildKeywords() const
{
    // A table at most an eighth full: a name that is no keyword mostly
    // meets an empty slot at once.
    size_t size = 64;
    while (size < literals.size() * 8)
        size *= 2;
    keywords_.assign(size, Keyword{{0, 0}, nullptr, 0, 0});
    for (const auto& entry : literals) {
        if (entry.first.empty())
            continue;
        unsigned int n = static_cast<unsigned int>(entry.first.size());
        NameWords w = copied(entry.first.data(), n);
        size_t i = keywordSlot(w, n, size - 1);
        while (keywords_[i].type != 0)
            i = (i + 1) & (size - 1);
        keywords_[i] = Keyword{{w.word[0], w.word[1]}, entry.first.data(), n, entry.second};
    }
    keywordCount_ = literals.size();
}

int BufferLexer::keyword(const char* s, unsigned int n, int type) const
{
    if (keywordCount_ != literals.size() || keywords_.empty())
        buildKeywords();
    if (n == 0)
        return type;
    NameWords w = copied(s, n);
    const size_t mask = keywords_.size() - 1;
    for (size_t i = keywordSlot(w, n, mask); keywords_[i].type != 0; i = (i + 1) & mask) {
        const Keyword& k = keywords_[i];
        if (k.length == n && std::char_traits<char>::compare(k.name, s, n) == 0)
            return k.type;
    }
    return type;
}

size_t BufferLexer::quickTokens(QuickToken* out, size_t max)
{
    if (!caseSensitive)
        return 0;
    if (keywordCount_ != literals.size() || keywords_.empty())
        buildKeywords();
    const size_t keywordMask = keywords_.size() - 1;
    const Keyword* const keywords = keywords_.data();
    const char* p = input_->position();
    const char* const end = input_->end();
    int column = state_->column;
    int line = state_->line;
    size_t n = 0;
    for (; n < max; ++n) {
        // the blanks before it, which the blank rule would skip one by one
        for (;; ++p) {
            if (*p == ' ' || *p == '\f')
                ++column;
            else if (*p == '\t')
                column = tabStop(column, tabsize);
            else
                break;
        }
        if (p == end)
            break;
        unsigned char c = at(p);
        const char* q = p + 1;
        int type;
        CharKind kind = chars.kind[c];
        if (kind == kLetter) {
            // the name rule, and its keyword if it is one
            while (chars.name[at(q)])
                ++q;
            unsigned int length = static_cast<unsigned int>(q - p);
            type = VT::ID;
            if (length <= 16) {
                NameWords w = padded(p, length);
                for (size_t i = keywordSlot(w, length, keywordMask); keywords[i].type != 0;
                     i = (i + 1) & keywordMask) {
                    if (keywords[i].word[0] == w.word[0] && keywords[i].word[1] == w.word[1] &&
                        keywords[i].length == length) {
                        type = keywords[i].type;
                        break;
                    }
                }
            } else {
                type = keyword(p, length, VT::ID);
            }
        } else if (kind == kLineEnd) {
            // the line end rule
            if (c == '\r' && *q == '\n')
                ++q;
            out[n] = QuickToken{VT::EOL, line, column, static_cast<unsigned int>(q - p), p};
            ++line;
            column = 1;
            p = q;
            continue;
        } else if (kind == kQuote) {
            // a string without escapes; any other goes to its rule
            int after = column + 1;
            for (;; ++q) {
                unsigned char d = at(q);
                if (d == c)
                    break;
                if (d == '\\' || d == '\n' || d == '\r' || (d == 0 && q == end))
                    goto stop;
                after = d == '\t' ? tabStop(after, tabsize) : after + 1;
            }
            ++q;
            out[n] = QuickToken{VT::STRING_LITERAL, line, column,
                                static_cast<unsigned int>(q - p), p};
            column = after + 1;
            p = q;
            continue;
        } else if (kind == kDigit) {
            q = numberEnd(p, type);
            if (!q)
                break;
        } else {
            q = operatorEnd(p, kind, type);
            if (!q)
                break;
        }
        out[n] = QuickToken{type, line, column, static_cast<unsigned int>(q - p), p};
        column += static_cast<int>(q - p);
        p = q;
    }
stop:
    input_->moveTo(p);
    state_->column = column;
    state_->line = line;
    return n;
}

void BufferLexer::match(const antlr::BitSet& b)
{
    int la = LA(1);
    if (!b.member(la))
        throw antlr::MismatchedCharException(la, b, false, this);
    consume();
}

void BufferLexer::mismatch(int la, int c, bool inverted)
{
    throw antlr::MismatchedCharException(la, c, inverted, this);
}

void BufferLexer::mismatchRange(int la, int c1, int c2)
{
    throw antlr::MismatchedCharException(la, c1, c2, false, this);
}
