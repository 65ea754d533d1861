#include "driver/page.h"

#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <unistd.h>

#include "driver/analyze.h"
#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/state.h"
#include "driver/strip.h"
#include "driver/text.h"

namespace {

const char* closerOf(int codeState) {
    return codeState == 1 ? "?>" : "</script>";
}

// The tag as it goes into the stream: a quoted language value becomes one
// word (QvelandroQ or DvelandroD) so that the lexer reads no string there,
// and a blank after the "<" of a script element makes the lexer deliver "<"
// and "script" apart, as the page rule reads them, not one markup token.
std::string tagText(const std::string& line, const PageTag& tag) {
    std::string text = line.substr(tag.start, tag.end - tag.start);
    if (tag.quoteMark) {
        text[tag.quotes[0] - tag.start] = tag.quoteMark;
        text[tag.quotes[1] - tag.start] = tag.quoteMark;
    }
    if (tag.state == 2)
        text.insert(1, " ");
    return text;
}

// The closer as it goes into the stream; a script element's end tag as "<",
// "/script" and ">" apart, for the same reason. Each is followed by "{|".
// STREAM-CLOSERS: twin of BufferLexer::codeBlockEndsHere in lexer/buffer_lexer.h
const char* streamCloserOf(int codeState) {
    return codeState == 1 ? "?>" : "< /script >";
}

void put(FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

struct FileCloser {
    FILE* file;
    ~FileCloser() {
        if (file)
            std::fclose(file);
    }
};

}  // namespace

namespace {

// The tag search, each search of `text` answered by find(pattern, from).
template <class Find>
bool findTagWith(const std::string& text, size_t from, PageTag& tag, Find&& find) {
    tag = PageTag();
    size_t vel = find("<?vel", from);
    if (vel != std::string::npos) {
        tag.start = vel;
        tag.end = vel + 5;
        tag.state = 1;
        return true;
    }
    size_t script = find("<script", from);
    if (script == std::string::npos)
        return false;
    size_t language = find("language", script + 7);
    if (language == std::string::npos)
        return false;
    size_t valueFrom = language + 9;
    if (valueFrom > text.size())
        return false;
    tag.start = script;
    tag.state = 2;
    size_t value = find("'velandro'", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 10;
        tag.quotes[0] = value;
        tag.quotes[1] = value + 9;
        tag.quoteMark = 'Q';
        return true;
    }
    value = find("\"velandro\"", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 10;
        tag.quotes[0] = value;
        tag.quotes[1] = value + 9;
        tag.quoteMark = 'D';
        return true;
    }
    value = find("velandro", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 8;
        return true;
    }
    tag = PageTag();
    return false;
}

// Searches of one line from positions that only grow, as a line's tags
// and closers are taken in turn: a pattern's last answer serves again
// while it still lies ahead, so a line of many code blocks is searched
// once over, not once for every block.
class LineSearch {
public:
    explicit LineSearch(const std::string& text) : text_(text) {}
    size_t operator()(const char* pattern, size_t from) {
        Last* last = nullptr;
        for (Last& entry : last_) {
            if (entry.pattern == pattern || !entry.pattern) {
                last = &entry;
                break;
            }
        }
        if (!last)
            return text_.find(pattern, from);
        if (last->pattern && from >= last->from && from <= last->at)
            return last->at;
        last->pattern = pattern;
        last->from = from;
        last->at = text_.find(pattern, from);
        return last->at;
    }

private:
    struct Last {
        const char* pattern = nullptr;
        size_t from = 0;
        size_t at = 0;   // npos when the pattern is not there
    };
    const std::string& text_;
    Last last_[8];   // the tag's six patterns and the two closers
};

}  // namespace

bool findOpeningTag(const std::string& text, size_t from, PageTag& tag) {
    return findTagWith(text, from, tag,
                       [&text](const char* pattern, size_t at) { return text.find(pattern, at); });
}

std::string escapePageText(const std::string& text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        escaped += text[i];
        if (text[i] == '|' && i + 1 < text.size() && text[i + 1] == '}')
            escaped += "|}{|";
    }
    return escaped;
}

std::string preparePageLine(const std::string& line, int& codeState) {
    std::string text = line;
    trimTrailing(text);
    if (text.empty())
        return codeState ? "\n" : "|}\n{|";

    // Each block is taken at a position that moves on: the line itself is
    // never cut down, which would copy its rest once for every block.
    LineSearch search(text);
    std::string out;
    size_t pos = 0;
    for (;;) {
        if (codeState == 0) {
            PageTag tag;
            if (!findTagWith(text, pos, tag, search))
                break;
            out += escapePageText(text.substr(pos, tag.start - pos));
            out += "|}";
            out += tagText(text, tag);
            pos = tag.end;
            codeState = tag.state;
            if (pos == text.size())
                break;
        } else {
            const char* closer = closerOf(codeState);
            size_t at = search(closer, pos);
            if (at == std::string::npos) {
                std::string code = text.substr(pos);
                out += stripComments(code);
                pos = text.size();
                break;
            }
            std::string code = text.substr(pos, at - pos);
            out += stripComments(code);
            out += streamCloserOf(codeState);
            out += "{|";
            pos = at + std::strlen(closer);
            codeState = 0;
        }
    }
    out += escapePageText(text.substr(pos));
    out += codeState ? "\n" : "|}\n{|";
    return out;
}

void preparePage(FILE* page, FILE* stream) {
    resetCommentState();
    int codeState = 0;
    put(stream, "{|");
    LineReader reader(page);
    std::string line;
    while (reader.read(line))
        put(stream, preparePageLine(line, codeState));
    if (codeState == 0)
        put(stream, "|}");
}

std::string writePreparedPage() {
    if (verbose)
        std::printf("Processing the %s page\n", sourceFileName.c_str());
    FileCloser page{openRegularFile(sourceFileName)};
    if (!page.file)
        throw std::runtime_error("cannot read " + sourceFileName);
    FileCloser copy{createPreparedCopy()};
    if (!copy.file)
        throw std::runtime_error("cannot write " + std::string(keptTempFileName));
    // Prepared in memory, where the lexer reads it: the copy is for the
    // user to look at, so a copy that a full disk cuts short costs nothing.
    char* stream = nullptr;
    size_t length = 0;
    FILE* memory = open_memstream(&stream, &length);
    if (!memory)
        throw std::bad_alloc();
    preparePage(page.file, memory);
    std::fclose(memory);
    std::string prepared(stream, length);
    std::free(stream);
    std::fwrite(prepared.data(), 1, prepared.size(), copy.file);
    return prepared;
}

namespace {

// The head of the page named by sourceFileName: its entry, and the include
// statements at the head of its first code block.
FileHead readPageHead() {
    FileHead head;
    try {
        resetCommentState();
        if (verbose)
            std::printf("Analyzing %s page\n", sourceFileName.c_str());
        head.index = sourceFiles.add(sourceFileName);
        sourceFiles[head.index].isMain = true;
        if (upToDate == 1)
            upToDate = isUpToDate(sourceFileName) ? 1 : 0;

        FileCloser page{openRegularFile(sourceFileName)};
        if (!page.file)
            return head;
        LineReader reader(page.file);
        std::string line;
        int codeState = 0;
        bool closed = false;
        while (reader.read(line)) {
            trimTrailing(line);
            if (line.empty())
                continue;
            if (codeState == 0) {
                PageTag tag;
                if (!findOpeningTag(line, 0, tag))
                    continue;
                codeState = tag.state;
                line.erase(0, tag.end);
                if (line.empty())
                    continue;
            }
            std::string code;
            size_t at = line.find(closerOf(codeState));
            if (at != std::string::npos) {
                code = line.substr(0, at);
                closed = true;
                codeState = 0;
            } else {
                code = line;
            }
            std::string stripped = stripComments(code);
            if (stripped.size() < 2) {
                if (closed)
                    break;
                continue;
            }
            size_t include = stripped.find("include");
            if (include == std::string::npos)
                break;
            head.includes.push_back(IncludeStatement{stripped, include + 7});
        }
    } catch (const std::exception& e) {
        std::printf("Exception in vel: %s\n", e.what());
    }
    return head;
}

}  // namespace

int analyzeWebPage(const std::string& directory) {
    // every included file is analysed as a page, from plain text
    return followIncludes(directory, readPageHead);
}
