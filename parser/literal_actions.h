// Literals, templates and type conversions: their PHP text on the current
// expression level.
#pragma once

#include <string>

extern int objectConversion;     // the conversion being ended builds a typed array

// Sets rawText to the PHP text of a template; prints the trace line of an
// interpolated one.
void takeTemplate(const std::string& token);
// The template's text written, as a literal value.
void appendTemplate(const std::string& token);
// A template that ends with its closing backquote; the end of a page's
// code block cuts one short that was left open there. An open one is a
// syntax error, taken as the empty text "\"\"" (nothing of it written).
bool templateClosed(const std::string& token);
// A template as one PHP double-quoted string, its names left to PHP.
std::string phpTemplateText(const std::string& token);

// --- Literals
// A string token as PHP text (a single-quoted one holds no variables).
std::string phpStringLiteral(const std::string& token);
// Number tokens as PHP text: PHP has no suffixes.
std::string phpIntegerLiteral(const std::string& token);
std::string phpRealLiteral(const std::string& token);
// Whether an integer literal's value fits PHP's 64-bit integers.
bool integerLiteralFits(const std::string& token);
// The literal, its type, and marked assigned (a literal is a value); one
// beyond the 64-bit range is reported where it stands.
void appendIntegerLiteral(const std::string& token);
void appendRealLiteral(const std::string& token);
void appendStringLiteral(const std::string& token);
// A literal kept as a value, not written: its token text in
// currentIdentifier (a real keeps its suffix; an integer's "n" makes it a
// natural and goes), its type in currentType.
void takeLiteralValue(const std::string& token, int type);
// A literal value (as takeLiteralValue left it) as the literal rules write it.
std::string phpLiteralText(const std::string& text, int type);
void appendKeywordValue(const char* text, int type);
// "this", reported outside a class.
void appendThis();

// --- Conversions
// Reports an array converted to a scalar type.
void checkConversionValue();
void openConversionCall();

// --- The steps of the literal rules
// Array and dict literals, after their closer: the list wrapped; array(v)
// of a typed array v is v itself.
void closeArrayParenList(int elements);
void closeArrayLiteral();
void closeDictLiteral();
// An element, or a pair's value, after its expression on a level of its own.
void appendNestedValue();
// A pair's key, its text from `start`.
void appendDictKey(int start);
// A type keyword applied to values in parentheses.
void beginConversion();
void writeEmptyConversionList();
void finishConversion();
// One value converted; the list flag the conversion chose is returned by
// the first and given back to the second.
int openConversionValue();
void closeConversionValue(int listResult);
// Several values: a typed array of them.
void openTypedArrayValues();
void appendTypedArrayValue();
void closeTypedArrayValues();
