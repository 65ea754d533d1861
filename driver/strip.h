// Comment stripping: each source line becomes its code text, with "//" and
// "/* */" comments removed and trailing blanks cut, so that the prepared copy
// keeps the source's line numbers.
#pragma once

#include <cstddef>
#include <string>

// 1 while a "/*" comment opened on an earlier line is still open.
extern int inComment;
// '`' while a template, '~' while a native-code block ("~~") opened on an
// earlier line is still open; 0 otherwise. Their text is kept as written.
extern int openTextBlock;

// Both states back to plain code, at the start of every file.
void resetCommentState();

// The code text of one line (its line end included or not). The line is
// left holding the result too, unless it lies wholly inside a comment.
std::string stripComments(std::string& line);

// The code text of the n characters of one line appended to `out`; false,
// with nothing appended, when the line lies wholly inside a comment.
bool appendCode(const char* line, size_t n, std::string& out);

// The code text of every line of the n characters of `text`, each followed
// by a line end, appended to `out`: the prepared text of a whole source, in
// one pass over it. Lines end at LF, CR or CRLF, each written as LF; a last
// line without one gets one.
void appendPreparedText(const char* text, size_t n, std::string& out);
