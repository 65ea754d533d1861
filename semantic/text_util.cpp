#include "semantic/text_util.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "emit/state.h"
#include "semantic/messages.h"

int currentLine() { return lineNumber; }

void appendDeferredText(const std::string& text) { deferredText += text; }

std::string intToText(int n) {
    char buffer[16];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    return std::string(buffer, end);
}

int parseIntLiteral(const std::string& text) {
    if (text.empty()) return 0;
    char first = text[0];
    if (!(isdigit(static_cast<unsigned char>(first)) || first == '-' || first == '+')) return 0;
    // Read as a long (strtoll saturates on overflow), keep the low 32 bits.
    long long value = strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(static_cast<unsigned int>(static_cast<unsigned long long>(value)));
}

bool isConstantArithmetic(const std::string& text) {
    for (char c : text) {
        if (isdigit(static_cast<unsigned char>(c))) continue;
        if (c == '%' || c == '*' || c == '+' || c == '-' || c == '/') continue;
        return false;
    }
    return true;
}

namespace {
// isalnum of the "C" locale, the one the compiler runs in, without a call.
bool isAsciiAlnum(unsigned char c) {
    unsigned char lower = c | 0x20;
    return (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'z');
}
}  // namespace

bool looksLikeCall(std::string_view text) {
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (isAsciiAlnum(c) || c == '_' || c == '$') continue;
        return c == '(' && i > 0;
    }
    return false;
}

bool isIdentifier(const std::string& text) {
    if (text.empty()) return false;
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 128 && (isalnum(c) || c == '_')) continue;
        if (c == '$' && i == 0) continue;
        return false;
    }
    return true;
}

std::string stripRealSuffix(std::string& text) {
    if (!text.empty() && (text.back() == 'r' || text.back() == 'R')) text.pop_back();
    return text;
}

std::string stripRealSuffix(const std::string& text) {
    std::string copy = text;
    return stripRealSuffix(copy);
}

namespace {

bool hasExtension(const std::string& name, const char* extension) {
    std::string::size_type end = name.size();
    std::string::size_type minimum = 5;
    if (end > 0 && (name[end - 1] == '"' || name[end - 1] == '\'')) {
        --end;
        minimum = 6;
    }
    if (name.size() < minimum) return false;
    return equalsIgnoreCase(name.substr(end - 4, 4), extension);
}

}  // namespace

bool hasVelExtension(const std::string& fileName) { return hasExtension(fileName, ".vel"); }

bool hasPhpExtension(const std::string& fileName) { return hasExtension(fileName, ".php"); }

bool equalsIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::string::size_type i = 0; i < a.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x >= 32 && x <= 127) {
            x |= 0x20;
            y |= 0x20;
        }
        if (x != y) return false;
    }
    return true;
}

bool equalsIgnoreCaseBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::string_view::size_type i = 0; i < a.size(); ++i)
        if ((static_cast<unsigned char>(a[i]) | 0x20) != (static_cast<unsigned char>(b[i]) | 0x20))
            return false;
    return true;
}

bool hasNoOperatorChars(const std::string& text) {
    return text.find_first_of("%(*+,-./[") == std::string::npos;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
