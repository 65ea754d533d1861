#include "driver/page.h"

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
// "/script" and ">" apart, for the same reason.
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

bool findOpeningTag(const std::string& text, size_t from, PageTag& tag) {
    tag = PageTag();
    size_t vel = text.find("<?vel", from);
    if (vel != std::string::npos) {
        tag.start = vel;
        tag.end = vel + 5;
        tag.state = 1;
        return true;
    }
    size_t script = text.find("<script", from);
    if (script == std::string::npos)
        return false;
    size_t language = text.find("language", script + 7);
    if (language == std::string::npos)
        return false;
    size_t valueFrom = language + 9;
    if (valueFrom > text.size())
        return false;
    tag.start = script;
    tag.state = 2;
    size_t value = text.find("'velandro'", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 10;
        tag.quotes[0] = value;
        tag.quotes[1] = value + 9;
        tag.quoteMark = 'Q';
        return true;
    }
    value = text.find("\"velandro\"", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 10;
        tag.quotes[0] = value;
        tag.quotes[1] = value + 9;
        tag.quoteMark = 'D';
        return true;
    }
    value = text.find("velandro", valueFrom);
    if (value != std::string::npos) {
        tag.end = value + 8;
        return true;
    }
    tag = PageTag();
    return false;
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
    std::string rest = line;
    trimTrailing(rest);
    std::string out;
    if (rest.empty())
        return codeState ? "\n" : "|}\n{|";

    for (;;) {
        if (codeState == 0) {
            PageTag tag;
            if (!findOpeningTag(rest, 0, tag))
                break;
            out += escapePageText(rest.substr(0, tag.start));
            out += "|}";
            out += tagText(rest, tag);
            rest.erase(0, tag.end);
            codeState = tag.state;
            if (rest.empty())
                break;
        } else {
            const char* closer = closerOf(codeState);
            size_t at = rest.find(closer);
            if (at == std::string::npos) {
                out += stripComments(rest);
                rest.clear();
                break;
            }
            std::string code = rest.substr(0, at);
            out += stripComments(code);
            out += streamCloserOf(codeState);
            out += "{|";
            rest.erase(0, at + std::strlen(closer));
            codeState = 0;
        }
    }
    trimTrailing(rest);
    out += escapePageText(rest);
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

void writePreparedPage() {
    if (verbose)
        std::printf("Processing the %s page\n", sourceFileName.c_str());
    FileCloser page{openRegularFile(sourceFileName)};
    if (!page.file)
        throw std::runtime_error("cannot read " + sourceFileName);
    FileCloser stream{createPreparedCopy()};
    if (!stream.file)
        throw std::runtime_error("cannot write " + std::string(keptTempFileName));
    preparePage(page.file, stream.file);
}

int analyzeWebPage(const std::string& directory) {
    int index = 0;
    try {
        resetCommentState();
        if (verbose)
            std::printf("Analyzing %s page\n", sourceFileName.c_str());
        index = sourceFiles.add(sourceFileName);
        sourceFiles[index].isMain = true;
        if (upToDate == 1)
            upToDate = isUpToDate(sourceFileName) ? 1 : 0;

        FileCloser page{openRegularFile(sourceFileName)};
        if (!page.file)
            return index;
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
            followInclude(stripped, directory, include + 7, index, [&directory] {
                // The included page starts from plain text; this page goes
                // on in the state it had.
                int savedComment = inComment;
                int savedBlock = openTextBlock;
                int included = analyzeWebPage(directory);
                inComment = savedComment;
                openTextBlock = savedBlock;
                return included;
            });
        }
    } catch (const std::exception& e) {
        std::printf("Exception in vel: %s\n", e.what());
    }
    return index;
}
