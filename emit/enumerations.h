// The PHP text of enumeration item values, and the value an integer item
// gives the counter.
#pragma once

#include <string>

// An integer literal as PHP reads it: the text without its "n", "L" or
// "l" suffix (PHP has none); the base prefix stays ("0x10", "0b101", "017").
std::string phpIntegerText(const std::string& token);
// A real literal without its "r", "R", "f" or "F" suffix.
std::string phpRealText(const std::string& token);
// The value of an integer literal in its own base (decimal, "0" octal,
// "0b" binary, "0x" hexadecimal), suffix ignored. False when the value does
// not fit in 64 bits.
bool integerLiteralValue(const std::string& token, long long& value);
