#include "semantic/php_names.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>
#include <string_view>
#include <unordered_set>

namespace {
struct PhpClassRow {
    const char* name;
    const char* parent;
    int extendable;
    int constructorArguments;
    const char* members;
};
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

namespace {
const PhpClassRow* phpClassRow(const std::string& lowerName)
{
    auto row = std::lower_bound(std::begin(phpClassRows), std::end(phpClassRows), lowerName,
                                [](const PhpClassRow& a, const std::string& b) {
                                    return std::strcmp(a.name, b.c_str()) < 0;
                                });
    return row != std::end(phpClassRows) && lowerName == row->name ? row : nullptr;
}

enum class MemberKind { publicMethod, method, property };

// The entry of that name and kind among a row's members (a method's name
// in lower case), or null; `length` is the entry's length.
const char* rowMember(const PhpClassRow& row, std::string_view name, MemberKind wanted,
                      size_t& length)
{
    std::string_view members(row.members);
    size_t at = 0;
    while (at < members.size()) {
        size_t end = members.find(' ', at);
        if (end == std::string_view::npos)
            end = members.size();
        std::string_view entry = members.substr(at + 1, end - at - 1);
        size_t colon = entry.find(':');
        bool isMethod = colon != std::string_view::npos;
        bool kindFits = wanted == MemberKind::property ? !isMethod
                        : wanted == MemberKind::method ? isMethod
                                                       : isMethod && members[at] != 'h';
        if (kindFits && entry.substr(0, isMethod ? colon : entry.size()) == name) {
            length = end - at;
            return members.data() + at;
        }
        at = end + 1;
    }
    return nullptr;
}

// Walks the PHP class and its PHP parents: visit(row) returns true to stop.
template <typename Visit>
void walkPhpClass(const std::string& className, Visit visit)
{
    const PhpClassRow* row = phpClassRow(lowered(className));
    // a parent chain of PHP's is short: the bound only guards the table
    for (int steps = 0; row && steps < 64; ++steps) {
        if (visit(*row))
            return;
        row = row->parent[0] ? phpClassRow(row->parent) : nullptr;
    }
}

int resultTypeOf(char letter)
{
    switch (letter) {
    case 't': return 10;
    case 'i': return 5;
    case 'r': return 7;
    case 'b': return 3;
    case 'a': return 11;
    case 'v': return 1;
    default: return 16;
    }
}
}

bool isPhpExtendableClass(const std::string& name)
{
    if (!plain(name))
        return false;
    const PhpClassRow* row = phpClassRow(lowered(name));
    return row && row->extendable;
}

PhpMethod findPhpMethod(const std::string& className, const std::string& name)
{
    PhpMethod found;
    if (!plain(name))
        return found;
    std::string lower = lowered(name);
    walkPhpClass(className, [&](const PhpClassRow& row) {
        size_t length = 0;
        const char* entry = rowMember(row, lower, MemberKind::publicMethod, length);
        if (!entry)
            return false;
        found.found = true;
        found.isStatic = entry[0] == 's';
        found.resultType = resultTypeOf(entry[length - 1]);
        return true;
    });
    return found;
}

bool phpClassHasMethod(const std::string& className, const std::string& name)
{
    bool found = false;
    if (!plain(name))
        return false;
    std::string lower = lowered(name);
    walkPhpClass(className, [&](const PhpClassRow& row) {
        size_t length = 0;
        found = rowMember(row, lower, MemberKind::method, length) != nullptr;
        return found;
    });
    return found;
}

bool phpPropertyForbids(const std::string& className, const std::string& name, int visibility,
                        bool isStatic)
{
    bool forbids = false;
    if (!plain(name))
        return false;
    walkPhpClass(className, [&](const PhpClassRow& row) {
        size_t length = 0;
        const char* entry = rowMember(row, name, MemberKind::property, length);
        if (!entry)
            return false;
        bool widens = visibility == 0 || (visibility == 2 && entry[0] == 'q');
        forbids = entry[0] == 'h' || isStatic || !widens;
        return true;
    });
    return forbids;
}

int phpConstructorArguments(const std::string& className)
{
    if (!plain(className))
        return -1;
    const PhpClassRow* row = phpClassRow(lowered(className));
    return row ? row->constructorArguments : -1;
}
