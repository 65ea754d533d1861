// Small text helpers shared by the parser's actions, the translators and
// the driver. All comparisons are on bytes.
#pragma once

#include <string>
#include <string_view>

int currentLine();
void appendDeferredText(const std::string& text);
std::string intToText(int n);
int parseIntLiteral(const std::string& text);
// The value of a hexadecimal digit or less, -1 for any other byte.
int digitValue(char c);
bool isConstantArithmetic(const std::string& text);
bool looksLikeCall(std::string_view text);
bool isIdentifier(const std::string& text);
// Removes one final "r"/"R" from the text in place and returns the result;
// the const form only returns it.
std::string stripRealSuffix(std::string& text);
std::string stripRealSuffix(const std::string& text);
bool hasVelExtension(const std::string& fileName);
bool hasPhpExtension(const std::string& fileName);
// Same length, bytes equal after setting bit 0x20 (only bytes 32..127 of
// the first text are folded).
bool equalsIgnoreCase(const std::string& a, const std::string& b);
// The same comparison folding every byte.
bool equalsIgnoreCaseBytes(std::string_view a, std::string_view b);
bool hasNoOperatorChars(const std::string& text);
