// Line input and blank trimming shared by the driver's scanners.
#pragma once

#include <cstdio>
#include <string>

// Reads the lines of a C stream whole, whatever their length, each with its
// line end, NUL bytes included. A line ends at LF, CR or CRLF, as the lexer
// counts lines.
class LineReader {
public:
    explicit LineReader(FILE* file) : file_(file) {}
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line into `line`; false at the end of the input.
    bool read(std::string& line);

private:
    // The file is read in large blocks; the lines are cut from the block.
    FILE* file_;
    char* buffer_ = nullptr;
    size_t capacity_ = 0;
    size_t begin_ = 0;  // the next line starts here
    size_t end_ = 0;    // the end of what was read
    bool atEnd_ = false;
};

// Cut characters with codes 0 to 32 (blanks, tabs, line ends, controls);
// bytes 128 to 255 are text and stay.
void trimTrailing(std::string& text);
void trimLeading(std::string& text);
