#include "emit/enumerations.h"

#include <cctype>
#include <climits>

#include "semantic/text_util.h"

namespace {
bool isIntegerSuffix(char c)
{
    return c == 'n' || c == 'L' || c == 'l';
}
}

std::string phpIntegerText(const std::string& token)
{
    std::string text = token;
    if (!text.empty() && isIntegerSuffix(text.back()))
        text.pop_back();
    return text;
}

std::string phpRealText(const std::string& token)
{
    std::string text = stripRealSuffix(token);
    if (!text.empty() && (text.back() == 'f' || text.back() == 'F'))
        text.pop_back();
    return text;
}

bool integerLiteralValue(const std::string& token, long long& value)
{
    std::string digits = phpIntegerText(token);
    int base = 10;
    size_t at = 0;
    if (digits.size() > 1 && digits[0] == '0') {
        char mark = digits[1];
        if (mark == 'x' || mark == 'X') {
            base = 16;
            at = 2;
        } else if (mark == 'b' || mark == 'B') {
            base = 2;
            at = 2;
        } else {
            base = 8;
            at = 1;
        }
    }
    unsigned long long total = 0;
    for (; at < digits.size(); ++at) {
        int d = digitValue(digits[at]);
        if (d < 0 || d >= base)
            return false;
        if (total > (static_cast<unsigned long long>(LLONG_MAX) - d) / base)
            return false;
        total = total * base + d;
    }
    value = static_cast<long long>(total);
    return true;
}
