// Include analysis of source files: finds every file of the run through the
// include statements at the head of each source, enters them into
// sourceFiles with their edges, and lowers upToDate when a target is stale.
#pragma once

#include <functional>
#include <string>

// Analyses the file named by sourceFileName (and, depth first, each file it
// includes that is new); returns its index in sourceFiles. Relative includes
// are taken from `directory`, the main file's.
int analyzeSource(const std::string& directory, bool mainFile);

// The Velandro source named by the include statement whose text starts at
// `start` of `line`, or "" when it names none. A missing source ends the run.
std::string resolveInclude(const std::string& line, const std::string& directory, size_t start);

// The include statement whose text starts at `start` of `line`, made an
// include of entry `index`: the file it names is entered, through
// `analyzeNew` (which reads sourceFileName and returns the new index) when
// the run has not met it yet.
void followInclude(const std::string& line, const std::string& directory, size_t start,
                   int index, const std::function<int()>& analyzeNew);
