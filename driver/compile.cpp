#include "driver/compile.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include <antlr/ANTLRException.hpp>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
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

// Writes the source's lines, comments removed, one for one into the
// temporary file.
void writePreparedSource() {
    FileCloser source{openRegularFile(sourceFileName)};
    if (!source.file)
        throw std::runtime_error("cannot read " + sourceFileName);
    FileCloser copy{createPreparedCopy()};
    if (!copy.file)
        throw std::runtime_error("cannot write " + std::string(keptTempFileName));
    resetCommentState();
    LineReader reader(source.file);
    std::string line;
    while (reader.read(line)) {
        std::string code = stripComments(line);
        std::fwrite(code.data(), 1, code.size(), copy.file);
        std::fputc('\n', copy.file);
    }
}

// Lexer and parser on the prepared file, one start rule, the summary line.
void parsePrepared(bool page) {
    std::ifstream input(tempFileName.c_str(), std::ios::in | std::ios::binary);
    if (!input)
        throw std::runtime_error("cannot read " + tempFileName);
    runOnParserStack([&input, page] {
        VelandroLexer lexer(input);
        lexer.setFilename(sourceFileName);
        VelandroParser parser(lexer);
        parser.setFilename(sourceFileName);
        if (page)
            parser.webPage();
        else
            parser.sourceFile();
    });
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
        writePreparedSource();
        parsePrepared(false);
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
        parsePrepared(true);
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
