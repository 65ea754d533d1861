#include "driver/strip.h"

#include "driver/text.h"

int inComment = 0;
int openTextBlock = 0;

void resetCommentState() {
    inComment = 0;
    openTextBlock = 0;
}

namespace {

// Characters that end a run of plain code: quotes, block openers, '/'.
struct CodeStops {
    bool stop[256] = {};
    CodeStops() {
        for (unsigned char c : std::string("\"'`~/"))
            stop[c] = true;
    }
};
const CodeStops codeStops;

// Offset of the first of `a` or `b` in [i, n), n when neither.
size_t findEither(const char* line, size_t i, size_t n, char a, char b) {
    while (i < n && line[i] != a && line[i] != b)
        ++i;
    return i;
}

size_t findSub(const char* line, size_t from, size_t n, const char* pair) {
    for (size_t i = from; i + 1 < n; ++i)
        if (line[i] == pair[0] && line[i + 1] == pair[1])
            return i;
    return std::string::npos;
}

bool blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

bool appendCode(const char* line, size_t n, std::string& out) {
    size_t i = 0;
    const size_t start = out.size();

    if (!openTextBlock) {
        // A "#" line is a comment the translator keeps: only its end is cut.
        if (n >= 2 && line[0] == '#') {
            while (n > 0 && blank(line[n - 1]))
                --n;
            out.append(line, n);
            return true;
        }
        if (inComment) {
            size_t close = n < 2 ? std::string::npos : findSub(line, 0, n, "*/");
            if (close == std::string::npos)
                return false;
            i = close + 2;
        }
    }
    inComment = 0;

    char quote = 0;
    while (i < n) {
        if (openTextBlock == '`') {
            size_t end = findEither(line, i, n, '`', '`');
            if (end < n) {
                ++end;
                openTextBlock = 0;
            }
            out.append(line + i, end - i);
            i = end;
            continue;
        }
        if (openTextBlock == '~') {
            size_t end = findSub(line, i, n, "~~");
            if (end == std::string::npos) {
                out.append(line + i, n - i);
                i = n;
            } else {
                out.append(line + i, end + 2 - i);
                i = end + 2;
                openTextBlock = 0;
            }
            continue;
        }
        if (quote) {
            size_t end = findEither(line, i, n, '\\', quote);
            out.append(line + i, end - i);
            i = end;
            if (i >= n)
                break;
            out += line[i];
            ++i;
            if (line[i - 1] == '\\') {
                if (i < n) {
                    out += line[i];
                    ++i;
                }
            } else {
                quote = 0;
            }
            continue;
        }
        size_t run = i;
        while (run < n && !codeStops.stop[static_cast<unsigned char>(line[run])])
            ++run;
        out.append(line + i, run - i);
        i = run;
        if (i >= n)
            break;
        char c = line[i];
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '`') {
            openTextBlock = '`';
        } else if (c == '~' && i + 1 < n && line[i + 1] == '~') {
            openTextBlock = '~';
            out += "~~";
            i += 2;
            continue;
        } else if (c == '/' && i + 1 < n) {
            if (line[i + 1] == '/')
                break;
            if (line[i + 1] == '*') {
                // The closer is searched from the '*', so "/*/" is a whole comment.
                size_t close = findSub(line, i + 1, n, "*/");
                if (close == std::string::npos) {
                    inComment = 1;
                    break;
                }
                i = close + 2;
                continue;
            }
        }
        out += c;
        ++i;
    }

    // A line end inside a template or native-code block belongs to its
    // text: only the line end itself goes.
    size_t end = out.size();
    if (openTextBlock) {
        while (end > start && (out[end - 1] == '\n' || out[end - 1] == '\r'))
            --end;
    } else {
        while (end > start && blank(out[end - 1]))
            --end;
    }
    out.resize(end);
    return true;
}

std::string stripComments(std::string& line) {
    std::string code;
    if (!appendCode(line.data(), line.size(), code))
        return code;
    line = code;
    return code;
}
