#include "emit/output.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "emit/expr_levels.h"

FILE* outputFile = nullptr;
int newlineState = 0;
int indentLevel = 0;
std::vector<std::string> headerLines;

namespace {
// The file being written goes under a name of its own beside the target and
// is renamed into place when closed: a reader never sees half a file, runs
// in one folder never write into each other's files, and a link in the
// target's place is replaced, never written through.
std::string outputTarget;
std::string outputTemporary;

mode_t newFileMode()
{
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}
}  // namespace

bool openOutputFile(const std::string& name)
{
    closeOutputFile();
    if (name.empty())
        return false;
    struct stat target;
    bool exists = lstat(name.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode) && !S_ISLNK(target.st_mode))
        return false;
    std::string pattern = name + ".XXXXXX";
    int fd = mkstemp(&pattern[0]);
    if (fd < 0) {
        // A folder that takes no new file: a target of its own that is
        // writable is written in place (a link is never followed).
        if (!exists || !S_ISREG(target.st_mode))
            return false;
        fd = open(name.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return false;
        pattern.clear();
    } else {
        // A target that was there keeps its permissions.
        fchmod(fd, exists && S_ISREG(target.st_mode) ? (target.st_mode & 07777) : newFileMode());
    }
    outputFile = fdopen(fd, "wb");
    if (!outputFile) {
        close(fd);
        if (!pattern.empty())
            unlink(pattern.c_str());
        return false;
    }
    outputTarget = name;
    outputTemporary = pattern;
    return true;
}

void closeOutputFile()
{
    if (!outputFile)
        return;
    bool written = std::fclose(outputFile) == 0;
    outputFile = nullptr;
    if (!outputTemporary.empty() &&
        (!written || std::rename(outputTemporary.c_str(), outputTarget.c_str()) != 0))
        unlink(outputTemporary.c_str());
    outputTemporary.clear();
    outputTarget.clear();
}

namespace {

// Most pieces are a few bytes: copied in at most two overlapping moves of
// a fixed size, with no call.
inline void copyPiece(char* to, const char* from, size_t length)
{
    if (length >= 8 && length <= 16) {
        std::memcpy(to, from, 8);
        std::memcpy(to + length - 8, from + length - 8, 8);
    } else if (length >= 4 && length < 8) {
        std::memcpy(to, from, 4);
        std::memcpy(to + length - 4, from + length - 4, 4);
    } else if (length < 4) {
        to[0] = from[0];
        to[length / 2] = from[length / 2];
        to[length - 1] = from[length - 1];
    } else {
        std::memcpy(to, from, length);
    }
}

}  // namespace

// Only the compile writes the target, so the stream's lock is not taken.
// A piece that fits is copied straight into the stream's buffer, as
// putc_unlocked does with one character (the file is opened fully
// buffered); the rest, and the first write, which sets the buffer up, go
// through fwrite.
void emitBytes(const char* text, size_t length)
{
    FILE* file = outputFile;
    if (!file || length == 0)
        return;
#ifdef __GLIBC__
    if (static_cast<size_t>(file->_IO_write_end - file->_IO_write_ptr) >= length) {
        copyPiece(file->_IO_write_ptr, text, length);
        file->_IO_write_ptr += length;
        return;
    }
#endif
    fwrite_unlocked(text, 1, length, file);
}

namespace {

void put(const char* text, size_t length)
{
    emitBytes(text, length);
}

void put(const std::string& text)
{
    emitBytes(text.data(), text.size());
}

void putIndentation(int levels)
{
    // Sixteen levels in one piece.
    static const char blanks[] = "                                                ";
    constexpr int piece = (sizeof blanks - 1) / 3;
    for (; levels > 0; levels -= piece)
        put(blanks, 3 * static_cast<size_t>(levels < piece ? levels : piece));
}

}  // namespace

std::string inlinePageText(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] == '?') {
            out += "<<?php ?>";
            continue;
        }
        out += text[i];
    }
    return out;
}

void emitNewline()
{
    put("\n", 1);
    newlineState = 1;
}

void emitNewlineOnce()
{
    if (newlineState < 1) {
        put("\n", 1);
        ++newlineState;
    }
}

void emitBlankLine()
{
    if (newlineState < 2) {
        put("\n", 1);
        ++newlineState;
    }
}

void emitLine(const char* text)
{
    emitText(text);
    put("\n", 1);
}

void emitInt(int value) { put(std::to_string(value)); }
void emitSemicolonNewline() { put(";\n", 2); }

void endStatement()
{
    put(";\n", 2);
    newlineState = 1;
}

void endCallStatement()
{
    put(");\n", 3);
    newlineState = 1;
}

void emitOpenParen() { put("(", 1); }
void emitCloseParen() { put(")", 1); }
void emitAssignChar() { put("=", 1); }
void emitSemicolon() { put(";", 1); }
void emitComma() { put(",", 1); }

void emitIndent()
{
    newlineState = 0;
    putIndentation(indentLevel);
}

void emitIndentDelta(int delta)
{
    putIndentation(indentLevel + delta);
}

void emitIndented(const std::string& text)
{
    newlineState = 0;
    putIndentation(indentLevel);
    put(text);
}

void emitOpenBrace()
{
    put("\n", 1);
    putIndentation(indentLevel);
    put("{\n", 2);
    newlineState = 2;
}

void emitCloseBrace()
{
    putIndentation(indentLevel);
    put("}\n", 2);
    newlineState = 1;
}

void emitIfHead()
{
    put("if(", 3);
    put(currentExpression());
    put(")\n", 2);
    putIndentation(indentLevel);
    put("{\n", 2);
    newlineState = 2;
}

void emitElseHead()
{
    put("else\n", 5);
    putIndentation(indentLevel);
    put("{\n", 2);
    newlineState = 2;
    resetExpressions();
}

void emitHeaderLines()
{
    for (const std::string& line : headerLines)
        put(line);
}

void indentMore() { ++indentLevel; }
void indentLess() { --indentLevel; }
