// One input through the compile path, in memory: the first byte chooses a
// program (even) or a web page (odd), the rest is the file's text. The
// process-wide translation state starts afresh for every input, as a new
// run of the compiler would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct FuzzResult {
    int errors = 0;          // errorCount after the start rule
    std::string php;         // the PHP file written
};

// Any exception that leaves the start rule is a fault: it is not caught.
FuzzResult compileFuzzInput(const uint8_t* data, size_t size);
