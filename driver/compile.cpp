#include "driver/compile.h"

#include <cstdio>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include <antlr/ANTLRException.hpp>

#include "driver/console.h"
#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/page.h"
#include "driver/state.h"
#include "driver/strip.h"
#include "driver/text.h"
#include "emit/output.h"
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

// The whole of an open file.
std::string readWhole(FILE* file, const std::string& name) {
    std::string text;
    char chunk[1 << 16];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        text.append(chunk, n);
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
    // Line by line: only the prepared text is held whole.
    std::string prepared;
    struct stat status;
    if (fstat(fileno(source.file), &status) == 0 && status.st_size > 0)
        prepared.reserve(static_cast<size_t>(status.st_size) + 16);
    LineReader reader(source.file);
    std::string line;
    while (reader.read(line)) {
        appendCode(line.data(), line.size(), prepared);
        prepared += '\n';
    }
    // The lexer reads the text itself: the copy is for the user to look at.
    std::fwrite(prepared.data(), 1, prepared.size(), copy.file);
    return prepared;
}

// The prepared page file whole, read in one go: the lexer works from memory.
std::string readPrepared() {
    FileCloser file{std::fopen(tempFileName.c_str(), "rb")};
    if (!file.file)
        throw std::runtime_error("cannot read " + tempFileName);
    return readWhole(file.file, tempFileName);
}

// Lexer and parser on the prepared file, one start rule, the summary line.
void parsePrepared(bool page, std::string prepared) {
    translatePrepared(page, std::move(prepared));
    // Closed before its times may be set back, and before PHP reads it.
    closeOutputFile();
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
    writePreparedPage();
    try {
        parsePrepared(true, readPrepared());
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
