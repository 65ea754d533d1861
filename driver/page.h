// Web pages: a page is analysed for the includes at the head of its first
// code block, and prepared for the lexer as a stream in which every piece of
// page text is a one-line block between "{|" and "|}" and the code between
// "<?vel" and "?>" (or in a velandro script element) has its comments removed.
// A script element's tags reach the lexer as "< script ..." and "< /script >".
#pragma once

#include <cstdio>
#include <string>

// Where an opening tag stands in a line of page text.
struct PageTag {
    size_t start = 0;   // first character of the tag
    size_t end = 0;     // just after it
    int state = 0;      // code state it opens: 1 "<?vel", 2 script element
    size_t quotes[2] = {0, 0};   // the language value's quotes, when quoted
    char quoteMark = 0;          // what they become: 'Q' for ', 'D' for "
};

// The first opening tag in `text` from `from` on: "<?vel" first, else a
// script element whose language is velandro.
bool findOpeningTag(const std::string& text, size_t from, PageTag& tag);

// Page text as the lexer reads it back unchanged: every "|}" in it is split
// over two blocks, so no text can end its block early.
std::string escapePageText(const std::string& text);

// The stream text of one page line. `codeState` (0 text, 1 "<?vel" code,
// 2 script code) goes from line to line.
std::string preparePageLine(const std::string& line, int& codeState);

// Writes the whole prepared stream of a page.
void preparePage(FILE* page, FILE* stream);

// Steps before compiling a page: the page named by sourceFileName,
// prepared, returned and written into a new prepared copy
// (createPreparedCopy). Throws std::runtime_error when either file cannot
// be opened.
std::string writePreparedPage();

// Analyses the page named by sourceFileName and, depth first, the pages it
// includes; every page is a main file. Returns its index in sourceFiles.
int analyzeWebPage(const std::string& directory);
