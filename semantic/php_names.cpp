#include "semantic/php_names.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace {
#include "semantic/php_names_data.inc"

template <std::size_t N>
bool contains(const char* const (&table)[N], const std::string& name)
{
    return std::binary_search(std::begin(table), std::end(table), name.c_str(),
                              [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
}

std::string lowered(const std::string& name)
{
    std::string lower = name;
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// A name with a NUL in it is no PHP name, whatever its prefix.
bool plain(const std::string& name)
{
    return !name.empty() && name.find('\0') == std::string::npos;
}
}

bool isPhpFunctionName(const std::string& name)
{
    return plain(name) && contains(phpFunctionNames, lowered(name));
}

bool isPhpClassName(const std::string& name)
{
    return plain(name) && contains(phpClassNames, lowered(name));
}

namespace {
// The constants by hash: every constant a program declares is checked, and
// the table is long.
const std::unordered_set<std::string_view>& constantNames()
{
    static const std::unordered_set<std::string_view> names(std::begin(phpConstantNames),
                                                            std::end(phpConstantNames));
    return names;
}

// name == word after lowering each byte (word is lower case).
bool isWordIgnoringCase(const std::string& name, const char* word)
{
    size_t i = 0;
    for (; word[i] != '\0'; ++i)
        if (i >= name.size() ||
            std::tolower(static_cast<unsigned char>(name[i])) != static_cast<unsigned char>(word[i]))
            return false;
    return i == name.size();
}
}

bool isPhpConstantName(const std::string& name)
{
    if (!plain(name))
        return false;
    return isWordIgnoringCase(name, "true") || isWordIgnoringCase(name, "false") ||
           isWordIgnoringCase(name, "null") || constantNames().count(name) != 0;
}

// Every reserved word is letters and underscores: any other name is
// none, with no search (a constant's name is checked at each use).
static bool mayBeReservedWord(const std::string& name)
{
    for (char c : name) {
        char lower = static_cast<char>(c | 0x20);
        if ((lower < 'a' || lower > 'z') && c != '_')
            return false;
    }
    return true;
}

bool isPhpReservedWord(const std::string& name)
{
    return plain(name) && mayBeReservedWord(name) && contains(phpReservedWords, lowered(name));
}

bool isPhpReservedClassName(const std::string& name)
{
    return plain(name) && contains(phpReservedClassNames, lowered(name));
}

bool isPhpReservedVariableName(const std::string& name)
{
    return name == "this" || name == "GLOBALS";
}
