// The driver's console texts: banner, usage text, summary lines, and the
// shell command that runs the compiled program.
#pragma once

#include <string>
#include <vector>

// The address the banner names; the project's documentation.
extern const char* const projectAddress;

// Prints the banner unless it was printed already (quiet is not consulted).
void printBanner();

// Banner (once), usage text, then exit code 0.
[[noreturn]] void usage();

// The file's summary line; after errors the target's times are set back.
void printCompileSummary(int errors);

// One word as the shell reads it literally: unchanged when it holds only
// characters the shell leaves alone, else in single quotes.
std::string shellQuote(const std::string& word);

// "php -q ", the target, a blank, then a blank and each extra argument:
// the words quoted for the shell.
std::string buildRunCommand(const std::string& target, const std::vector<std::string>& arguments);
