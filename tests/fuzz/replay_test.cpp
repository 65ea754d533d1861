// Every input the fuzzer ever kept (tests/fuzz/kept) compiles again, in the
// ordinary build: with its diagnostics, and nothing escapes or crashes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_entry.h"

namespace fs = std::filesystem;

TEST(FuzzKept, EachCompilesAgain)
{
    const fs::path folder = fs::path(VELP_SOURCE_DIR) / "tests" / "fuzz" / "kept";
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            inputs.push_back(entry.path());
    for (const fs::path& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        const std::string data = text.str();
        EXPECT_NO_THROW(compileFuzzInput(reinterpret_cast<const uint8_t*>(data.data()),
                                         data.size()))
            << input.filename();
    }
}
