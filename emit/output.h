// Output writer: the one road by which PHP text reaches the file being
// written, with the newline state (no two empty lines in a row) and the
// indentation (three blanks a level).
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

extern FILE* outputFile;      // PHP file being written; null when none is open
extern int newlineState;      // 0 inside a line, 1 after a line end, 2 after "{\n" or an empty line
extern int indentLevel;       // indentation depth, "   " a level
extern std::vector<std::string> headerLines;

// Opens the output file for `name`: a new file beside it, renamed to `name`
// when closed. False when it cannot be made, or when `name` is a folder or
// another file that is neither a regular file nor a link, or a file that may
// not be written (outputFile is then null). Closes a previous file first.
bool openOutputFile(const std::string& name);
// Closes the output file when one is open and puts it in its target's place;
// false when it could not be written whole, and the target then keeps what
// it had (a target written in place is left empty).
bool closeOutputFile();
// Whether the last output file closed could not be written whole.
bool outputWriteFailed();
// Targets of the run that could not be opened or written whole: the run
// then runs no program, whose files are not all there.
extern int unwrittenTargets;

// Page text as PHP prints it unchanged: every "<?" in it (the opener of
// "<?php", "<?=", and of a short tag where those are on) is broken by an
// empty code block, "<" "<?php ?>" "?", so none runs as PHP whatever
// short_open_tag says.
std::string inlinePageText(const std::string& text);

// Every write goes through this one: `length` bytes of `text`, nothing
// when no file is open.
void emitBytes(const char* text, size_t length);

// Inline, so that a literal's length is known where it is written.
inline void emitText(const char* text)
{
    if (text)
        emitBytes(text, std::char_traits<char>::length(text));
}
inline void emitText(const std::string& text) { emitBytes(text.data(), text.size()); }
inline void emitString(const std::string& text) { emitBytes(text.data(), text.size()); }
inline void emitChar(char c) { emitBytes(&c, 1); }

void emitNewline();
void emitNewlineOnce();
void emitBlankLine();
void emitLine(const char* text);
void emitInt(int value);
void emitSemicolonNewline();
void endStatement();
void endCallStatement();
void emitOpenParen();
void emitCloseParen();
void emitAssignChar();
void emitSemicolon();
void emitComma();
void emitIndent();
void emitIndentDelta(int delta);
void emitIndented(const std::string& text);
void emitOpenBrace();
void emitCloseBrace();
void emitIfHead();
void emitElseHead();
void emitHeaderLines();
void indentMore();
void indentLess();
