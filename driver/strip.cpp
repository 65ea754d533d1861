#include "driver/strip.h"

#include "driver/text.h"

int inComment = 0;
int openTextBlock = 0;

void resetCommentState() {
    inComment = 0;
    openTextBlock = 0;
}

namespace {

// A line end inside a template or native-code block belongs to its text:
// only the line end itself goes.
void trimLineEnd(std::string& text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
}

}  // namespace

std::string stripComments(std::string& line) {
    const size_t n = line.size();
    size_t i = 0;

    if (!openTextBlock) {
        // A "#" line is a comment the translator keeps: only its end is cut.
        if (n >= 2 && line[0] == '#') {
            trimTrailing(line);
            return line;
        }
        if (inComment) {
            size_t close = n < 2 ? std::string::npos : line.find("*/");
            if (close == std::string::npos)
                return std::string();
            i = close + 2;
        }
    }
    inComment = 0;

    std::string code;
    code.reserve(n);
    char quote = 0;
    while (i < n) {
        char c = line[i];
        if (openTextBlock == '`') {
            code += c;
            ++i;
            if (c == '`')
                openTextBlock = 0;
            continue;
        }
        if (openTextBlock == '~') {
            if (c == '~' && i + 1 < n && line[i + 1] == '~') {
                code += "~~";
                i += 2;
                openTextBlock = 0;
            } else {
                code += c;
                ++i;
            }
            continue;
        }
        if (quote) {
            code += c;
            ++i;
            if (c == '\\' && i < n) {
                code += line[i];
                ++i;
            } else if (c == quote) {
                quote = 0;
            }
            continue;
        }
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '`') {
            openTextBlock = '`';
        } else if (c == '~' && i + 1 < n && line[i + 1] == '~') {
            openTextBlock = '~';
            code += "~~";
            i += 2;
            continue;
        } else if (c == '/' && i + 1 < n) {
            if (line[i + 1] == '/')
                break;
            if (line[i + 1] == '*') {
                // The closer is searched from the '*', so "/*/" is a whole comment.
                size_t close = line.find("*/", i + 1);
                if (close == std::string::npos) {
                    inComment = 1;
                    break;
                }
                i = close + 2;
                continue;
            }
        }
        code += c;
        ++i;
    }

    if (openTextBlock)
        trimLineEnd(code);
    else
        trimTrailing(code);
    line = code;
    return code;
}
