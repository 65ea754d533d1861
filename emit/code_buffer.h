// The code buffer (PHP text of the name or reference being translated) and
// the helpers that turn Velandro names into PHP variable names.
#pragma once

#include <string>
#include <string_view>

extern std::string codeBuffer;
extern std::string forVariable;       // PHP name of a for loop's variable
extern std::string forValueVariable;  // PHP name of the value variable of a key/value for

void setCodeBuffer(const std::string& text);
void setCodeBufferChar(char c);
void appendCodeBuffer(const std::string& text);
void appendCodeBufferChar(char c);
std::string codeBufferWithoutDollar();
std::string stripDollar(const std::string& text);
// "$" + text, unless text already begins with "$", looks like a call, or is
// not a bare identifier (a static member such as Counter::$total).
std::string dollarName(const std::string& text);
// Whether dollarName puts a "$" in front of the text.
bool takesDollar(std::string_view text);
// The text without one leading "$", as stripDollar gives it, not copied.
std::string_view withoutDollar(const std::string& text);
void setForVariable(const std::string& name);
void setForValueVariable(const std::string& name);
std::string newTempName();

// A text that a PHP form names more than once. A short one is simply
// repeated. A long one is itself built of such forms, and repeating it would
// double the text at each step of a chain: it is assigned to a fresh "$_E%d"
// temporary where it first stands and named by the temporary after that.
struct RepeatedText {
    std::string first;  // where the text stands first, and is evaluated
    std::string again;  // each later mention
};
constexpr size_t longRepeatedText = 256;
RepeatedText repeatedText(const std::string& text);
void wrapArrayLiteral();
// The called name / the receiver of the call text at the rvalue cursor.
std::string splitArrowAccess();
std::string splitStaticAccess();

// Literal without its quotes (double, single or back quotes).
std::string stripQuotes(const std::string& text);
