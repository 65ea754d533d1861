#include "driver/text.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/types.h>

LineReader::~LineReader() {
    std::free(buffer_);
}

namespace {

// The first line end in [p, end): LF, CR, or the CR of a CRLF; end when none.
const char* findLineEnd(const char* p, const char* end) {
    while (p < end && *p != '\n' && *p != '\r')
        ++p;
    return p;
}

}  // namespace

bool LineReader::read(std::string& line) {
    for (;;) {
        const char* from = buffer_ + begin_;
        size_t left = end_ - begin_;
        const char* eol = findLineEnd(from, from + left);
        // A CR that ends the block read may be the first half of a CRLF:
        // the next block tells.
        bool whole = eol < from + left && (*eol == '\n' || eol + 1 < from + left || atEnd_);
        if (whole) {
            size_t n = static_cast<size_t>(eol - from) + 1;
            if (*eol == '\r' && n < left && eol[1] == '\n')
                ++n;
            line.assign(from, n);
            begin_ += n;
            return true;
        }
        if (atEnd_) {
            // the last line, without a line end
            if (left == 0) {
                line.clear();
                return false;
            }
            line.assign(from, left);
            begin_ = end_;
            return true;
        }
        if (left > 0 && begin_ > 0)
            std::memmove(buffer_, from, left);
        begin_ = 0;
        end_ = left;
        if (end_ == capacity_) {
            size_t capacity = capacity_ < 65536 ? 65536 : capacity_ * 2;
            char* grown = static_cast<char*>(std::realloc(buffer_, capacity));
            if (!grown)
                throw std::bad_alloc();
            buffer_ = grown;
            capacity_ = capacity;
        }
        size_t n = std::fread(buffer_ + end_, 1, capacity_ - end_, file_);
        if (n == 0)
            atEnd_ = true;
        end_ += n;
    }
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
