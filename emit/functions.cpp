#include "emit/functions.h"

#include <cctype>

std::string parameterListText(const std::vector<ParameterText>& parameters)
{
    std::string text;
    bool requiredAfter = false;
    std::vector<bool> keepDefault(parameters.size(), true);
    for (size_t i = parameters.size(); i-- > 0;) {
        if (parameters[i].defaultText.empty())
            requiredAfter = true;
        else if (requiredAfter)
            keepDefault[i] = false;
    }
    for (size_t i = 0; i < parameters.size(); ++i) {
        if (i > 0)
            text += ",";
        text += parameters[i].name;
        if (keepDefault[i])
            text += parameters[i].defaultText;
    }
    return text;
}

namespace {
bool isNameChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}
}

bool isConstantExpressionText(const std::string& text)
{
    size_t i = 0;
    const size_t n = text.size();
    while (i < n) {
        char c = text[i];
        if (c == '"' || c == '\'') {
            // a string; a double-quoted one may interpolate a variable
            char quote = c;
            for (++i; i < n && text[i] != quote; ++i) {
                if (text[i] == '\\') {
                    ++i;
                } else if (quote == '"' && text[i] == '$' && i + 1 < n &&
                           (isNameChar(text[i + 1]) || text[i + 1] == '{')) {
                    return false;
                }
            }
            ++i;
            continue;
        }
        if (c == '$')
            return false;
        if (isNameChar(c)) {
            size_t start = i;
            while (i < n && isNameChar(text[i]))
                ++i;
            std::string word = text.substr(start, i - start);
            if (std::isdigit(static_cast<unsigned char>(word[0])))
                continue;
            if (word == "new" || word == "clone" || word == "function" || word == "fn")
                return false;
            // a cast: "(int)"
            if (start > 0 && text[start - 1] == '(' && i < n && text[i] == ')')
                return false;
            size_t next = i;
            while (next < n && text[next] == ' ')
                ++next;
            if (next < n && text[next] == '(' && word != "array")
                return false;
            if (next + 1 < n && text[next] == ':' && text[next + 1] == ':' &&
                next + 2 < n && text[next + 2] == '$')
                return false;
            continue;
        }
        ++i;
    }
    return true;
}
