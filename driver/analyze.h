// Include analysis of source files: finds every file of the run through the
// include statements at the head of each source, enters them into
// sourceFiles with their edges, and lowers upToDate when a target is stale.
#pragma once

#include <functional>
#include <string>
#include <vector>

// Analyses the file named by sourceFileName (and, depth first, each file it
// includes that is new); returns its index in sourceFiles. Relative includes
// are taken from `directory`, the main file's.
int analyzeSource(const std::string& directory, bool mainFile);

// The Velandro source named by the include statement whose text starts at
// `start` of `line`, or "" when it names none. A missing source ends the run.
std::string resolveInclude(const std::string& line, const std::string& directory, size_t start);

// An include statement at the head of a file: its line, and where the
// statement's text starts after the word "include".
struct IncludeStatement {
    std::string line;
    size_t start;
};

// What the scan of one file's head found: the file's entry in sourceFiles,
// and its include statements in reading order.
struct FileHead {
    int index = 0;
    std::vector<IncludeStatement> includes;
};

// Enters the file named by sourceFileName and, depth first, each file its
// includes name that the run has not met, with an edge for every include:
// `readHead` scans the head of the file named by sourceFileName (already
// closed when it returns). Returns the first file's index.
int followIncludes(const std::string& directory, const std::function<FileHead()>& readHead);
