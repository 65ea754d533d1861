// The libFuzzer target: every input through the compile path (fuzz_entry).
// A crash, a sanitizer report, an uncaught exception, a timeout or too much
// memory is what the fuzzer finds.
#include <cstddef>
#include <cstdint>

#include "fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    compileFuzzInput(data, size);
    return 0;
}
