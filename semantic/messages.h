// Diagnostics: the message table and the reporters that print and count
// the compiler's own diagnostics on standard output.
#pragma once

#include <string>

// Message texts by error code (0 to 90), then a null entry. Entries are
// mutable so that loadErrorMessages can replace them.
constexpr int errorMessageCount = 91;
extern const char* errorMessages[errorMessageCount + 1];

extern int errorCount;              // errors of the file being compiled
extern int lineNumber;              // current line of the file being compiled
extern std::string pendingMessage;  // template being filled by a reporter

void printLocation();
void reportError(int code);
void reportErrorText(const std::string& text);
void reportErrorName(int code, const std::string& name);
void internalError(int number);
[[noreturn]] void fatalInternalError(int number);
[[noreturn]] void fatal(const std::string& text);
void stackUnderflowError(const std::string& stackName);
void unknownActionError(const std::string& text, int number);
void syntaxError();
void alreadyDeclaredError(const std::string& name);
int duplicateNameError();
void reportNotDeclared(const std::string& name);

// Template filling: each "$" of pendingMessage is filled once, left to right.
void substituteArgument(const std::string& text);
void substituteTypeName(int type);

void reportOperatorTypeError(int word, int left, int right);
void reportRequiredType(int n);
void reportAlreadyDeclaredIn(int scopeWord);
void reportCantAssign(int target, int value);
void reportAssignCount(int targets, int values);
void reportBadSyntax(int word);
void reportInstanceRequired(const std::string& a, const std::string& b);
void reportCallTypeError(int code, const std::string& name, int expected, int found);
void reportArgumentCount(const std::string& name, int expected, int found);
void reportReturnCount(const std::string& name, int declared, int returned);

// A new run: no template being filled, no file whose undeclared names were
// reported.
void resetReporters();

void dumpErrorMessages();
void loadErrorMessages();

void semanticError();
void notAStatementError();
void reportPendingMessage();
void reportWhatIs(const std::string& text);
int checkIndexType();
