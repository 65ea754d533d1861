#include "driver/strip.h"

#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

int inComment = 0;
int openTextBlock = 0;

void resetCommentState() {
    inComment = 0;
    openTextBlock = 0;
}

namespace {

// Scanning writes into a buffer sized to the input: every byte written
// stands for a byte already read, so the writer never runs ahead of the
// reader's offset (only the line end added after a last line without one
// takes the buffer's one byte more). That lets the block copy below store
// sixteen bytes at a time before it knows how many of them it keeps.

template <char... Stops>
inline bool isStop(char c) {
    return ((c == Stops) || ...);
}

// The first of `Stops` in [p, end), or end; with Copy the bytes before it
// are copied to w, which is left after them.
template <bool Copy, char... Stops>
inline const char* scanTo(const char* p, const char* end, char*& w) {
#ifdef __SSE2__
    while (end - p >= 16) {
        __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        if (Copy)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(w), bytes);
        __m128i hit = _mm_setzero_si128();
        ((hit = _mm_or_si128(hit, _mm_cmpeq_epi8(bytes, _mm_set1_epi8(Stops)))), ...);
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hit));
        if (mask) {
            unsigned k = static_cast<unsigned>(__builtin_ctz(mask));
            if (Copy)
                w += k;
            return p + k;
        }
        p += 16;
        if (Copy)
            w += 16;
    }
#endif
    while (p < end && !isStop<Stops...>(*p)) {
        if (Copy)
            *w++ = *p;
        ++p;
    }
    return p;
}

template <char... Stops>
inline const char* copyTo(const char* p, const char* end, char*& w) {
    return scanTo<true, Stops...>(p, end, w);
}

// A line ends at LF, CR or CRLF, as the lexer counts lines.
inline const char* lineEnd(const char* p, const char* end) {
    char* unused = nullptr;
    return scanTo<false, '\n', '\r'>(p, end, unused);
}

inline bool atLineEnd(const char* p, const char* end) {
    return p == end || *p == '\n' || *p == '\r';
}

// Past the line end at p (CRLF is one).
inline void passLineEnd(const char*& p, const char* end) {
    if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n')
        ++p;
    if (p < end)
        ++p;
}

// Past the first "*/" of this line from p: true with p after it, or false
// with p at the line end.
inline bool skipComment(const char*& p, const char* end) {
    char* unused = nullptr;
    for (;;) {
        p = scanTo<false, '*', '\n', '\r'>(p, end, unused);
        if (atLineEnd(p, end))
            return false;
        ++p;
        if (p < end && *p == '/') {
            ++p;
            return true;
        }
    }
}

bool blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

// The code text of the lines of [p, end) written at w, each followed by a
// line end; with OneLine, of the first line only, without its line end.
// Returns the end of what was written; `kept` is set false when a line lies
// wholly inside a comment (it writes nothing). The comment and block states
// are held in locals while scanning: the bytes written could otherwise
// alias them.
template <bool OneLine>
char* prepareLines(const char* p, const char* const end, char* w, bool& kept) {
    int comment = inComment;
    int block = openTextBlock;
    kept = true;
    while (OneLine || p < end) {
        char* start = w;
        if (!block) {
            // A "#" line is a comment the translator keeps: only its end is cut.
            if (end - p >= 2 && *p == '#') {
                const char* eol = lineEnd(p, end);
                std::memcpy(w, p, static_cast<size_t>(eol - p));
                w += eol - p;
                p = eol;
                while (w > start && blank(w[-1]))
                    --w;
                goto nextLine;
            }
            if (comment && !skipComment(p, end)) {
                kept = false;
                goto nextLine;
            }
        }
        comment = 0;

        while (!atLineEnd(p, end)) {
            if (block == '`') {
                p = copyTo<'`', '\n', '\r'>(p, end, w);
                if (atLineEnd(p, end))
                    break;
                *w++ = *p++;
                block = 0;
                continue;
            }
            if (block == '~') {
                p = copyTo<'~', '\n', '\r'>(p, end, w);
                if (atLineEnd(p, end))
                    break;
                *w++ = *p++;
                if (p < end && *p == '~') {
                    *w++ = *p++;
                    block = 0;
                }
                continue;
            }
            p = copyTo<'"', '\'', '`', '~', '/', '\n', '\r'>(p, end, w);
            // The common line end: plain code with nothing to cut before it,
            // and a next line that is no "#" line, so the scan goes straight
            // on into it (the next line starts in code with no comment open).
            if (!OneLine && end - p >= 2 && *p == '\n' && (w == start || !blank(w[-1])) &&
                !(end - p >= 3 && p[1] == '#')) {
                *w++ = *p++;
                start = w;
                continue;
            }
            if (atLineEnd(p, end))
                break;
            const char c = *p;
            if (c == '"' || c == '\'') {
                // A quoted text runs to its closing quote or the line end; a
                // backslash takes the character after it along.
                *w++ = *p++;
                for (;;) {
                    p = c == '"' ? copyTo<'\\', '"', '\n', '\r'>(p, end, w)
                                 : copyTo<'\\', '\'', '\n', '\r'>(p, end, w);
                    if (atLineEnd(p, end))
                        break;
                    const bool escape = *p == '\\';
                    *w++ = *p++;
                    if (!escape)
                        break;
                    if (!atLineEnd(p, end))
                        *w++ = *p++;
                }
            } else if (c == '`') {
                *w++ = *p++;
                block = '`';
            } else if (c == '~') {
                *w++ = *p++;
                if (p < end && *p == '~') {
                    *w++ = *p++;
                    block = '~';
                }
            } else if (p + 1 < end && p[1] == '/') {
                p = lineEnd(p, end);
            } else if (p + 1 < end && p[1] == '*') {
                // The closer is searched from the '*', so "/*/" is a whole comment.
                ++p;
                if (!skipComment(p, end))
                    comment = 1;
            } else {
                *w++ = *p++;
            }
        }

        // A line end inside a template or native-code block belongs to its
        // text: only the line end itself goes.
        if (!block) {
            while (w > start && blank(w[-1]))
                --w;
        }
    nextLine:
        if (OneLine)
            break;
        passLineEnd(p, end);
        *w++ = '\n';
    }
    inComment = comment;
    openTextBlock = block;
    return w;
}

}  // namespace

bool appendCode(const char* line, size_t n, std::string& out) {
    const size_t start = out.size();
    out.resize(start + n + 1);
    bool kept;
    char* w = prepareLines<true>(line, line + n, &out[start], kept);
    out.resize(static_cast<size_t>(w - out.data()));
    return kept;
}

void appendPreparedText(const char* text, size_t n, std::string& out) {
    const size_t start = out.size();
    out.resize(start + n + 1);
    bool kept;
    char* w = prepareLines<false>(text, text + n, &out[start], kept);
    out.resize(static_cast<size_t>(w - out.data()));
}

std::string stripComments(std::string& line) {
    std::string code;
    if (!appendCode(line.data(), line.size(), code))
        return code;
    line = code;
    return code;
}
