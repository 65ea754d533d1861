#include "driver/text.h"

#include <cstdlib>
#include <sys/types.h>

LineReader::~LineReader() {
    std::free(buffer_);
}

bool LineReader::read(std::string& line) {
    ssize_t n = ::getline(&buffer_, &capacity_, file_);
    if (n < 0) {
        line.clear();
        return false;
    }
    line.assign(buffer_, static_cast<size_t>(n));
    return true;
}

void trimTrailing(std::string& text) {
    size_t n = text.size();
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= 32)
        --n;
    text.resize(n);
}

void trimLeading(std::string& text) {
    size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= 32)
        ++i;
    text.erase(0, i);
}
