#include "emit/output.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "emit/expr_levels.h"
#include "emit/leftovers.h"

FILE* outputFile = nullptr;
int newlineState = 0;
int indentLevel = 0;
std::vector<std::string> headerLines;

namespace {
// The file being written goes under a name of its own beside the target and
// is renamed into place when closed: a reader never sees half a file, runs
// in one folder never write into each other's files, and a link in the
// target's place is replaced, never written through. The name is known to
// the leftovers, so a run that is ended removes it.
std::string outputTarget;
std::string outputTemporary;
bool writtenInPlace = false;   // the target itself, in a folder that takes no new file
bool lastOutputFailed = false;

mode_t newFileMode()
{
    mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// The temporary's name: the target's, cut short where the suffix would
// pass the longest name a folder entry may have, so that any name a target
// may have can be written.
std::string temporaryPattern(const std::string& name)
{
    const std::string suffix = ".XXXXXX";
    size_t slash = name.rfind('/');
    size_t baseStart = slash == std::string::npos ? 0 : slash + 1;
    size_t base = name.size() - baseStart;
    const size_t room = NAME_MAX - suffix.size();
    return name.substr(0, baseStart + (base < room ? base : room)) + suffix;
}

// A target written in place: the file opened is the one looked at, a file
// of one name only (never written through a hard link), emptied.
int openInPlace(const std::string& name, const struct stat& target)
{
    if (!S_ISREG(target.st_mode) || target.st_nlink > 1)
        return -1;
    int fd = open(name.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat opened;
    if (fstat(fd, &opened) != 0 || opened.st_dev != target.st_dev ||
        opened.st_ino != target.st_ino || opened.st_nlink > 1 || ftruncate(fd, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}
}  // namespace

int unwrittenTargets = 0;

namespace {
bool openOutput(const std::string& name);
}

bool openOutputFile(const std::string& name)
{
    closeOutputFile();
    lastOutputFailed = false;
    if (openOutput(name))
        return true;
    ++unwrittenTargets;
    return false;
}

namespace {
bool openOutput(const std::string& name)
{
    if (name.empty())
        return false;
    struct stat target;
    bool exists = lstat(name.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode) && !S_ISLNK(target.st_mode))
        return false;
    // A target of its own that may not be written (read-only, to anyone
    // but root) is left as it is.
    if (exists && S_ISREG(target.st_mode) &&
        faccessat(AT_FDCWD, name.c_str(), W_OK, AT_EACCESS) != 0)
        return false;
    LeftoverChange change;
    std::string pattern = temporaryPattern(name);
    int fd = mkstemp(&pattern[0]);
    if (fd >= 0 && !trackLeftover(Leftover::targetTemporary, pattern.c_str())) {
        close(fd);
        unlink(pattern.c_str());
        return false;
    }
    if (fd < 0) {
        // A folder that takes no new file: a target of its own that is
        // writable is written in place (a link is never followed).
        if (!exists || (fd = openInPlace(name, target)) < 0)
            return false;
        pattern.clear();
        trackLeftover(Leftover::targetInPlace, name.c_str(), fd);
    } else {
        // A target that was there keeps its permissions.
        fchmod(fd, exists && S_ISREG(target.st_mode) ? (target.st_mode & 07777) : newFileMode());
    }
    outputFile = fdopen(fd, "wb");
    if (!outputFile) {
        close(fd);
        if (!pattern.empty())
            unlink(pattern.c_str());
        forgetLeftover(pattern.empty() ? Leftover::targetInPlace : Leftover::targetTemporary);
        return false;
    }
    outputTarget = name;
    outputTemporary = pattern;
    writtenInPlace = pattern.empty();
    return true;
}
}  // namespace

bool closeOutputFile()
{
    if (!outputFile)
        return true;
    LeftoverChange change;
    // A write that failed on the way (a full disk, an I/O error) or at the
    // end: the target does not take the file, and one written in place is
    // left empty rather than cut short.
    bool written = !std::ferror(outputFile) && std::fflush(outputFile) == 0;
    if (writtenInPlace && !written)
        ftruncate(fileno(outputFile), 0);
    forgetLeftover(writtenInPlace ? Leftover::targetInPlace : Leftover::targetTemporary);
    written = std::fclose(outputFile) == 0 && written;
    outputFile = nullptr;
    if (!outputTemporary.empty() &&
        (!written || std::rename(outputTemporary.c_str(), outputTarget.c_str()) != 0)) {
        unlink(outputTemporary.c_str());
        written = false;
    } else if (writtenInPlace && !written) {
        truncate(outputTarget.c_str(), 0);
    }
    outputTemporary.clear();
    outputTarget.clear();
    writtenInPlace = false;
    lastOutputFailed = !written;
    if (!written)
        ++unwrittenTargets;
    return written;
}

bool outputWriteFailed() { return lastOutputFailed; }

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
