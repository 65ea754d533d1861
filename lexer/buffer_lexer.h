// The lexer's input and its tokens. The whole input is held in memory and
// the generated lexer reads it through BufferLexer, its base class: look-ahead
// and consume work on the buffer directly, and tokens come from a pool owned
// by the lexer, so a token costs no heap allocation of its own. Most tokens
// are read by a direct path that makes no token object at all (quickTokens):
// the parser's queue keeps their type, position and text in the buffer, and
// asks for a token object only when the parser wants one.
#ifndef VELP_LEXER_BUFFER_LEXER_H
#define VELP_LEXER_BUFFER_LEXER_H

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <antlr/CharScanner.hpp>
#include <antlr/CommonToken.hpp>
#include <antlr/InputBuffer.hpp>
#include <antlr/LexerSharedInputState.hpp>
#include <antlr/MismatchedCharException.hpp>
#include <antlr/TokenRefCount.hpp>

// The characters of one input, read once. Also a complete InputBuffer, for
// whatever in the runtime reaches the input through the shared state.
class MemoryInput : public antlr::InputBuffer {
public:
    // Zero bytes after the end, so that a scan may look a little past it:
    // a zero ends every name, blank and number run, and a 16-byte read
    // from inside the text stays inside the buffer.
    static constexpr size_t kPadding = 16;

    explicit MemoryInput(std::string text) : text_(std::move(text)), size_(text_.size()) {
        text_.append(kPadding, '\0');
        reset();
    }
    // Everything the buffer delivers, until its end.
    static std::unique_ptr<MemoryInput> drain(antlr::InputBuffer& input);

    // The character i ahead (1 is the next), EOF past the end.
    int at(unsigned int i) const {
        const char* p = pos_ + (i - 1);
        return p < end_ ? static_cast<unsigned char>(*p) : EOF;
    }
    void advance() { ++pos_; }
    // Passes the letters, digits and "_" ahead; returns how many.
    unsigned int skipNameCharacters() {
        const char* p = pos_;
        while (p < end_ && ((*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') ||
                            (*p >= '0' && *p <= '9') || *p == '_'))
            ++p;
        unsigned int n = static_cast<unsigned int>(p - pos_);
        pos_ = p;
        return n;
    }
    unsigned int offset() const { return static_cast<unsigned int>(pos_ - begin_); }
    void seek(unsigned int offset) { pos_ = begin_ + offset; }
    // The buffer itself, for a scan that keeps its own pointer.
    const char* position() const { return pos_; }
    const char* end() const { return end_; }
    void moveTo(const char* p) { pos_ = p; }
    // The characters from offset `from` up to the current one.
    std::string_view slice(unsigned int from) const {
        return std::string_view(begin_ + from, static_cast<size_t>(pos_ - begin_) - from);
    }

    void reset() override;
    void consume() override { advance(); }
    int getChar() override { return pos_ < end_ ? static_cast<unsigned char>(*pos_++) : EOF; }
    void fill(unsigned int) override {}
    int LA(unsigned int i) override { return at(i); }
    unsigned int mark() override;
    bool isMarked() const override { return marks_ != 0; }
    void rewind(unsigned int mark) override;
    unsigned int entries() const override;

private:
    std::string text_;
    size_t size_;  // without the padding
    const char* begin_ = nullptr;
    const char* pos_ = nullptr;
    const char* end_ = nullptr;
    unsigned int marks_ = 0;
};

// A token made by the lexer's direct path: its type, where it starts and its
// text, a stretch of the input buffer. No token object is made for it until
// the parser asks for one (BufferLexer::tokenFor).
struct QuickToken {
    int type;
    int line;
    int column;
    unsigned int length;
    const char* text;
};

// Told before the lexer's input changes, while the old buffer is still
// there: whoever holds quick tokens of it makes their token objects then.
class QuickTokenHolder {
public:
    virtual void inputChanging() = 0;

protected:
    ~QuickTokenHolder() = default;
};

// A token of the pool, made ready for its next use. Its text stays a view
// of the buffer until something asks for it: most tokens' texts are never
// read. The pool makes the text a string of the token's own before the
// buffer can go (settle). The generated rules then set the text they
// collected, which is empty since the lexer collects none: that one setting
// is skipped.
class PoolToken final : public antlr::CommonToken {
public:
    void reuse(int type, int line, int column, const char* from, size_t n) {
        setType(type);
        this->line = line;
        col = column;
        from_ = from;
        length_ = n;
        viewPending_ = true;
        collectedTextPending_ = true;
    }
    void setText(const std::string& s) override;
    // Read once, as a rule: the text goes straight from the buffer to the
    // caller, without a copy kept in the token.
    std::string getText() const override {
        if (viewPending_)
            return std::string(from_, length_);
        return text;
    }
    std::string toString() const override;
    void settle() const;

private:
    const char* from_ = nullptr;
    size_t length_ = 0;
    bool viewPending_ = false;
    bool collectedTextPending_ = false;
};

// Tokens for one lexer, reused in turn: a token is handed out again once
// nothing but the pool holds it, and replaced by a fresh one while something
// still does. A token's text is read from the input when first asked for,
// and copied out before the pool lets the token go.
class TokenPool {
public:
    TokenPool();
    TokenPool(const TokenPool&) = delete;
    TokenPool& operator=(const TokenPool&) = delete;
    ~TokenPool();
    // A token of that type and position whose text is the n characters at
    // text.
    const antlr::RefToken& take(int type, int line, int column,
                                                   const char* text, size_t n) {
        Slot& slot = slots_[next_];
        next_ = (next_ + 1) & (kSlots - 1);
        // held by the pool alone (its count and its handle), or left to
        // its holders
        if (slot.ref->count != 2)
            replace(slot);
        slot.token->reuse(type, line, column, text, n);
        return slot.handle;
    }
    // Every pooled token's text copied out of the input, which may go.
    void settle();

private:
    // The pool holds each token twice, by its count and by a handle that
    // is copied out: a token is free when nothing else holds it.
    struct Slot {
        PoolToken* token;
        antlr::TokenRef* ref;
        antlr::RefToken handle;
    };
    // Enough slots that a token comes round again only after the parser
    // has long consumed it; a held one is left to its holders.
    static constexpr size_t kSlots = 64;
    void fresh(Slot& slot);
    void replace(Slot& slot);
    std::vector<Slot> slots_;
    size_t next_ = 0;
};

#define VELP_INLINE inline __attribute__((always_inline))

class BufferLexer : public antlr::CharScanner {
public:
    // The constructors the generated lexer calls: an input other than a
    // MemoryInput is read whole first.
    BufferLexer(antlr::InputBuffer* input, bool caseSensitive);
    BufferLexer(antlr::InputBuffer& input, bool caseSensitive);
    BufferLexer(const antlr::LexerSharedInputState& state, bool caseSensitive);

    VELP_INLINE int LA(unsigned int i) final {
        int c = input_->at(i);
        return caseSensitive ? c : toLower(c);
    }
    // A token's text is the stretch of the buffer its rule consumed, taken
    // when the token is made: the characters are not collected one by one.
    VELP_INLINE void consume() final {
        if (state_->guessing == 0) {
            if (input_->at(1) == '\t')
                tab();
            else
                state_->column++;
        }
        input_->advance();
    }
    // The rest of a name consumed in one go (none of its characters is a
    // tab).
    VELP_INLINE void consumeNameRest() { state_->column += input_->skipNameCharacters(); }
    // The next tokens, read here straight off the buffer just as their
    // rules would read them, for the frequent kinds (names and keywords,
    // line ends, operators, plain numbers and reals, strings without
    // escapes): at most max of them, into out. Stops before a token of any
    // other kind, with only the blanks before it passed: nextToken reads
    // that one (errors included). Returns how many it read.
    size_t quickTokens(QuickToken* out, size_t max);
    // The token object for a quick token, from the pool.
    const antlr::RefToken& tokenFor(const QuickToken& token) {
        return pool_.take(token.type, token.line, token.column, token.text, token.length);
    }
    void holdQuickTokens(QuickTokenHolder* holder) { holder_ = holder; }
    // The input is a prepared page: its code blocks end where the driver
    // wrote a closer and the page text after it ("?>{|", or "< /script >{|"
    // after a script element's code).
    void setPageInput(bool page) { pageInput_ = page; }
    // At the end of a page's code block: a native-code block or a template
    // still open there ends with it (its closing mark missing), so the page
    // text after the closer stays page text.
    bool codeBlockEndsHere() const {
        if (!pageInput_)
            return false;
        // STREAM-CLOSERS: twin of streamCloserOf in driver/page.cpp
        static const char* const ends[] = {"?>{|", "< /script >{|"};
        for (const char* end : ends) {
            unsigned int i = 0;
            while (end[i] != '\0' && input_->at(i + 1) == static_cast<unsigned char>(end[i]))
                ++i;
            if (end[i] == '\0')
                return true;
        }
        return false;
    }
    void setInputState(antlr::LexerSharedInputState state) final {
        if (holder_)
            holder_->inputChanging();
        CharScanner::setInputState(state);
        attach(inputState->getInput());
    }
    unsigned int mark() final { return input_->mark(); }
    void rewind(unsigned int pos) final { input_->rewind(pos); }
    // Where the scanner stands, and back there: a token that failed while
    // the parser only looked ahead is read again, and fails again, when
    // the parse itself gets to it (a failed token may have consumed its
    // characters, up to the end of the input).
    struct Position {
        unsigned int offset;
        int line;
        int column;
    };
    Position position() const { return {input_->offset(), state_->line, state_->column}; }
    void moveTo(const Position& at) {
        input_->seek(at.offset);
        state_->line = at.line;
        state_->column = at.column;
    }

    // The matches are small enough to inline into the rules; the
    // exceptions are thrown out of line.
    VELP_INLINE void match(int c) final {
        int la = LA(1);
        if (la != c)
            mismatch(la, c, false);
        consume();
    }
    void match(const antlr::BitSet& b) final;
    VELP_INLINE void match(const char* s) final {
        while (*s != '\0') {
            int la = LA(1), c = (*s++ & 0xFF);
            if (la != c)
                mismatch(la, c, false);
            consume();
        }
    }
    void match(const std::string& s) final { match(s.c_str()); }
    VELP_INLINE void matchNot(int c) final {
        int la = LA(1);
        if (la == c)
            mismatch(la, c, true);
        consume();
    }
    VELP_INLINE void matchRange(int c1, int c2) final {
        int la = LA(1);
        if (la < c1 || la > c2)
            mismatchRange(la, c1, c2);
        consume();
    }
    // Called by nextToken before each token (and by nothing else): the
    // blanks before it are passed here, where the blank rule would make a
    // token of each one only to skip it.
    void resetText() final {
        for (int c = input_->at(1); c == ' ' || c == '\t' || c == '\f'; c = input_->at(1))
            consume();
        text.clear();
        tokenStart_ = input_->offset();
        state_->tokenStartColumn = state_->column;
        state_->tokenStartLine = state_->line;
    }
    int testLiteralsTable(int type) const final { return keyword(tokenText(), type); }
    int testLiteralsTable(const std::string& s, int type) const final { return keyword(s, type); }
    antlr::RefToken makeToken(int type) final {
        std::string_view text = tokenText();
        return pool_.take(type, state_->tokenStartLine, state_->tokenStartColumn, text.data(),
                          text.size());
    }

private:
    std::string_view tokenText() const { return input_->slice(tokenStart_); }
    [[noreturn]] void mismatch(int la, int c, bool inverted);
    [[noreturn]] void mismatchRange(int la, int c1, int c2);
    void attach(antlr::InputBuffer& input);
    int keyword(std::string_view s, int type) const {
        return keyword(s.data(), static_cast<unsigned int>(s.size()), type);
    }
    int keyword(const char* s, unsigned int n, int type) const;
    void buildKeywords() const;

    MemoryInput* input_ = nullptr;
    unsigned int tokenStart_ = 0;
    // The shared state, held by the scanner for its whole life.
    antlr::LexerInputState* state_ = nullptr;
    std::unique_ptr<MemoryInput> owned_;
    TokenPool pool_;
    QuickTokenHolder* holder_ = nullptr;
    bool pageInput_ = false;
    // The keyword table by length and first and last letters (open
    // addressing, mostly empty, so that a name that is no keyword stops at
    // once), built from the generated one on first use.
    struct Keyword {
        unsigned long long word[2];  // the first 16 characters, zero after the end
        const char* name;
        unsigned int length;
        int type;
    };
    mutable std::vector<Keyword> keywords_;
    mutable size_t keywordCount_ = 0;
};

#endif
