#include "emit/code_buffer.h"

#include <cctype>

#include "emit/assign.h"
#include "emit/expr_levels.h"
#include "emit/state.h"
#include "semantic/messages.h"
#include "semantic/text_util.h"
#include "semantic/types.h"

std::string codeBuffer;
std::string forVariable;
std::string forValueVariable;

void setCodeBuffer(const std::string& text) { codeBuffer = text; }
void setCodeBufferChar(char c) { codeBuffer.assign(1, c); }
void appendCodeBuffer(const std::string& text) { codeBuffer += text; }
void appendCodeBufferChar(char c) { codeBuffer += c; }

std::string stripDollar(const std::string& text)
{
    if (!text.empty() && text[0] == '$')
        return text.substr(1);
    return text;
}

std::string codeBufferWithoutDollar() { return stripDollar(codeBuffer); }

static bool isNameChar(char c)
{
    // isalnum of the "C" locale, the one the compiler runs in.
    unsigned char lower = static_cast<unsigned char>(c) | 0x20;
    return (c >= '0' && c <= '9') || (lower >= 'a' && lower <= 'z') || c == '_';
}

// A class-qualified text (Shape::$count, Shape::CONST) is complete as it
// stands: a "$" in front would turn it into a different expression.
static bool isStaticMemberText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    return i > 0 && text.substr(i, 2) == "::";
}

bool takesDollar(std::string_view text)
{
    if (!text.empty() && text[0] == '$')
        return false;
    // A bare name, the usual case, is neither a call nor a class member.
    size_t i = 0;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    if (i == text.size())
        return true;
    return !looksLikeCall(text) && !isStaticMemberText(text);
}

std::string_view withoutDollar(const std::string& text)
{
    std::string_view view(text);
    if (!view.empty() && view[0] == '$')
        view.remove_prefix(1);
    return view;
}

std::string dollarName(const std::string& text)
{
    if (!takesDollar(text))
        return text;
    std::string name;
    name.reserve(text.size() + 1);
    name += '$';
    name += text;
    return name;
}

// "$" + name, unless it already begins with "$", built in the target.
static void setWithDollar(std::string& target, const std::string& name)
{
    if (!name.empty() && name[0] == '$') {
        target = name;
        return;
    }
    if (&target == &name) {
        target.insert(0, 1, '$');
        return;
    }
    target.clear();
    target += '$';
    target += name;
}

void setForVariable(const std::string& name) { setWithDollar(forVariable, name); }
void setForValueVariable(const std::string& name) { setWithDollar(forValueVariable, name); }

std::string newTempName() { return "$_I" + std::to_string(generatorCounter); }

RepeatedText repeatedText(const std::string& text)
{
    if (text.size() <= longRepeatedText)
        return {text, text};
    std::string temp = "$_E" + std::to_string(++expressionTempCounter);
    return {"(" + temp + "=" + text + ")", temp};
}

void wrapArrayLiteral()
{
    std::string text = currentExpression();
    popExpression();
    exprAppend("array(" + text + ")");
}

namespace {
// Where a call text splits into receiver and called name: the first "(" that
// stands outside brackets, and the last "->" or "::" before it (also outside
// brackets), so arguments and indexes never move the split.
struct CallSplit {
    size_t paren = std::string::npos;   // the call's "("
    size_t join = std::string::npos;    // the last "->" or "::" before it
};

CallSplit splitCall(const std::string& text)
{
    CallSplit split;
    int depth = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '[' || c == '{') {
            ++depth;
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (depth == 0) {
            if (c == '(') {
                split.paren = i;
                break;
            }
            if (i + 1 < text.size() &&
                ((c == '-' && text[i + 1] == '>') || (c == ':' && text[i + 1] == ':'))) {
                split.join = i;
                ++i;
            }
        }
    }
    return split;
}
}

std::string splitArrowAccess()
{
    std::string text = rvalueList.atCursor().text;
    CallSplit split = splitCall(text);
    if (split.paren == std::string::npos) {
        internalError(5001);
        return std::string();
    }
    size_t start = split.join == std::string::npos ? 0 : split.join + 2;
    return text.substr(start, split.paren - start);
}

std::string splitStaticAccess()
{
    std::string text = rvalueList.atCursor().text;
    CallSplit split = splitCall(text);
    if (split.join == std::string::npos || split.join == 0 || split.paren == std::string::npos)
        return "?";
    size_t start = text[0] == '$' ? 1 : 0;
    return text.substr(start, split.join - start);
}

std::string stripQuotes(const std::string& text)
{
    if (text.empty())
        return text;
    char first = text[0];
    size_t start = (first == '"' || first == '\'' || first == '`') ? 1 : 0;
    size_t end = text.size();
    char last = text[end - 1];
    if (end > start && (last == '"' || last == '\'' || first == '`'))
        --end;
    return text.substr(start, end - start);
}
