// Control statements: the PHP forms of "break" and "continue" by loop kind,
// the heads of range, collection and text loops, and the constant range
// bounds that decide which way a range counts.
#pragma once

#include <string>

// Loop kinds, as loopKind holds them.
constexpr int forLoop = 0;
constexpr int whileLoop = 1;    // its body wrapped in do { } while(false)
constexpr int doLoop = 2;

// The PHP text of "break" or "continue" in a loop of the given kind.
std::string loopJumpText(bool isContinue, int kind);

// --- Range loops
// "for(V=start;V<cmp>end;V<update>)" and the opening brace.
void emitRangeHeader(const std::string& variable, const std::string& start,
                     const std::string& end, int inclusive, int descending,
                     const std::string& step);

// The value of a bound text made of integer literals (decimal, octal, hex,
// binary), signs, "+", "-", "*", "/", "%" and parentheses, with the
// operators' precedence as PHP computes it. False for any other text, a
// division by zero or a value too large to compare exactly.
bool constantValue(const std::string& text, double& value);
// Whether the constant bounds count down (start above end); false when
// either bound is not constant.
bool constantRangeDescends(const std::string& start, const std::string& end);
// The step counting down by the same amount: "-" before it, parenthesized
// unless it is a plain number.
std::string negatedStep(const std::string& step);

// --- Loops over collections
// "foreach(T as V)" or "foreach(T as V => W)", a line end, then "{" at the
// current indentation without a line end.
void emitForeachHeader(const std::string& collection, const std::string& variable,
                       const std::string& valueVariable, bool keyValue);
// The counting loop over the characters of a text: the text in a temporary
// unless it is a plain name, its length in "$_L<n>", the loop on "$__<n>",
// then the character (and for a key and value, the index first) assigned
// one level deeper. `scopeText` is the scope counter's text.
void emitTextLoopHeader(std::string text, const std::string& variable,
                        const std::string& valueVariable, bool keyValue,
                        const std::string& scopeText);
