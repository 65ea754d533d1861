#include "driver/compile.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <antlr/ANTLRException.hpp>

#include "driver/console.h"
#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/page.h"
#include "driver/state.h"
#include "driver/strip.h"
#include "emit/output.h"
#include "lexer/buffer_lexer.h"
#include "parser/file_actions.h"
#include "parser/parser_stack.h"
#include "semantic/messages.h"

namespace {

struct FileCloser {
    FILE* file;
    ~FileCloser() {
        if (file)
            std::fclose(file);
    }
};

// The bytes of a whole file. The buffer is not cleared before it is read
// into: clearing would cost as much as the read.
struct FileText {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// A large buffer about to be written whole has its pages made in one call:
// met one by one, each fresh page costs a fault of its own. Only a hint:
// a kernel without it, or a refusal, leaves the pages to come as written.
void prepareForWriting(const char* start, size_t bytes) {
#ifdef MADV_POPULATE_WRITE
    if (bytes < (size_t(1) << 16))
        return;
    static const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t first = (reinterpret_cast<uintptr_t>(start) + page - 1) & ~(page - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes) & ~(page - 1);
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
#else
    (void)start;
    (void)bytes;
#endif
}

// The whole of an open file, read in one go when its size is known.
FileText readWhole(FILE* file, const std::string& name) {
    struct stat status;
    size_t capacity = 65536;
    // One byte more than the size, so a file that grew is still read whole.
    if (fstat(fileno(file), &status) == 0 && status.st_size >= static_cast<off_t>(capacity))
        capacity = static_cast<size_t>(status.st_size) + 1;
    FileText text{std::unique_ptr<char[]>(new char[capacity]), 0};
    // Only a buffer of the file's own size: the smallest is mostly unused.
    if (capacity > 65536)
        prepareForWriting(text.bytes.get(), capacity);
    for (;;) {
        text.size += std::fread(text.bytes.get() + text.size, 1, capacity - text.size, file);
        if (text.size < capacity)
            break;
        std::unique_ptr<char[]> grown(new char[capacity * 2]);
        std::memcpy(grown.get(), text.bytes.get(), text.size);
        text.bytes = std::move(grown);
        capacity *= 2;
    }
    if (std::ferror(file))
        throw std::runtime_error("cannot read " + name);
    return text;
}

// The source's lines, comments removed, one for one: written to the
// temporary file, and returned for the lexer.
std::string writePreparedSource() {
    FileCloser source{openRegularFile(sourceFileName)};
    if (!source.file)
        throw std::runtime_error("cannot read " + sourceFileName);
    FileCloser copy{createPreparedCopy()};
    if (!copy.file)
        throw std::runtime_error("cannot write " + std::string(keptTempFileName));
    resetCommentState();
    const FileText text = readWhole(source.file, sourceFileName);
    // Room for the lexer's padding too, so that the text is not copied
    // again to make it.
    std::string prepared;
    prepared.reserve(text.size + 1 + MemoryInput::kPadding);
    prepareForWriting(prepared.data(), text.size + 1);
    appendPreparedText(text.bytes.get(), text.size, prepared);
    // The lexer reads the text itself: the copy is for the user to look at.
    std::fwrite(prepared.data(), 1, prepared.size(), copy.file);
    return prepared;
}

// Lexer and parser on the prepared file, one start rule, the summary line.
void parsePrepared(bool page, std::string prepared) {
    translatePrepared(page, std::move(prepared));
    // Closed before its times may be set back, and before PHP reads it.
    closeOutputFile();
    // A target that could not be written whole (a full disk, an I/O error)
    // kept what it had: the file fails, and nothing is run.
    if (outputWriteFailed())
        reportTargetNotWritable();
    printCompileSummary(errorCount);
}

// A compilation that ended in an exception counts as one error more; its
// target is closed and made stale so that the next run compiles it again.
void failed(const char* prefix, const std::string& message) {
    std::printf("%s%s\n", prefix, message.c_str());
    closeOutputFile();
    indentLevel = 0;
    errorCount += 1;
    resetTargetTime();
}

void removeTemporary() {
    finishPreparedCopy();
}

}  // namespace

void compileSource() {
    errorCount = 0;
    try {
        if (verbose)
            std::printf("Compiling %s\n", sourceFileName.c_str());
        parsePrepared(false, writePreparedSource());
    } catch (const std::exception& e) {
        failed("Exception in parser: ", e.what());
    } catch (const antlr::ANTLRException& e) {
        failed("Exception in parser: ", e.toString());
    }
    removeTemporary();
}

void processWebPage() {
    errorCount = 0;
    std::string prepared;
    try {
        prepared = writePreparedPage();
    } catch (...) {
        // the run ends in main's handler, with no copy left behind
        removeTemporary();
        throw;
    }
    try {
        parsePrepared(true, std::move(prepared));
    } catch (const std::exception& e) {
        failed("Html parser exception: ", e.what());
    } catch (const antlr::ANTLRException& e) {
        failed("Html parser exception: ", e.toString());
    }
    removeTemporary();
}

int compileSources() {
    return compileAll(compileSource, 1);
}

int compileWebPages() {
    return compileAll(processWebPage, 2);
}
