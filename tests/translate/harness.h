// In-process translation: Velandro text in, the PHP file, the console text
// and the error count out. The lexer and the parser are built on a stream
// as the driver builds them; the start rule writes the PHP file to a
// temporary folder.
#pragma once

#include <string>

// startRun() begins a new run of the compiler as velp does: the names,
// functions, classes and named values of the files translated before are
// gone, as in a new process (one run keeps them from file to file).
#include "driver/run.h"

struct Translation {
    std::string php;     // the PHP file as written ("" when none was written)
    bool written = false;
    bool closed = false;   // the start rule closed the output file
    std::string out;     // standard output: the program's diagnostics
    std::string err;     // standard error: the runtime's syntax reports
    int errors = 0;      // errorCount after the start rule
    int lines = 0;       // lineNumber after the start rule
    bool escaped = false;  // an exception left the start rule
};

enum class StartRule { sourceFile, webPage };

// Translates `text` (a prepared source, or a prepared page with its text in
// "{|" "|}" blocks) under the source name `name`. The PHP file goes to
// `target`, or to a fresh temporary file when `target` is empty.
Translation translate(const std::string& text, const std::string& name = "test.vel",
                      StartRule rule = StartRule::sourceFile, const std::string& target = "");

// A fresh temporary folder; the caller removes it.
std::string makeTempFolder();

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);

// Runs a shell command; its exit status, standard output and error.
struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};
CommandResult runCommand(const std::string& command, const std::string& input = "");
