#include "fuzz_entry.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "driver/page.h"
#include "driver/run.h"
#include "driver/strip.h"
#include "emit/output.h"
#include "parser/parser_stack.h"
#include "semantic/file_names.h"
#include "semantic/messages.h"

namespace {

// A folder of its own for the PHP file each input writes.
const std::string& outputFolder()
{
    static std::string folder = [] {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/velp-fuzz-XXXXXX";
        const char* made = mkdtemp(&pattern[0]);
        return std::string(made ? made : "/tmp");
    }();
    return folder;
}

// The source's lines with their comments removed, as the driver prepares it.
std::string prepareSource(const std::string& text)
{
    std::string prepared;
    resetCommentState();
    appendPreparedText(text.data(), text.size(), prepared);
    return prepared;
}

// The page as the driver prepares it: text blocks and code.
std::string preparePageText(const std::string& text)
{
    char* stream = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&stream, &length);
    if (!out)
        return std::string();
    if (text.empty()) {
        FILE* in = std::tmpfile();
        preparePage(in, out);
        std::fclose(in);
    } else {
        FILE* in = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
        if (in) {
            preparePage(in, out);
            std::fclose(in);
        }
    }
    std::fclose(out);
    std::string prepared(stream, length);
    std::free(stream);
    return prepared;
}

}  // namespace

FuzzResult compileFuzzInput(const uint8_t* data, size_t size)
{
    FuzzResult result;
    bool page = size > 0 && (data[0] & 1);
    std::string text = size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                                 : std::string();
    // every input starts as a new run of velp would
    startRun();
    sourceFileName = "fuzz.vel";
    targetFileName = outputFolder() + "/fuzz.php";
    std::string prepared = page ? preparePageText(text) : prepareSource(text);
    translatePrepared(page, std::move(prepared));
    closeOutputFile();
    result.errors = errorCount;
    std::ifstream php(targetFileName, std::ios::binary);
    std::ostringstream all;
    all << php.rdbuf();
    result.php = all.str();
    return result;
}
