#include "semantic/messages.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <deque>
#include <fstream>

#include "emit/code_buffer.h"
#include "emit/expr_levels.h"
#include "emit/state.h"
#include "semantic/file_names.h"
#include "semantic/symbol_table.h"
#include "semantic/types.h"

// ORDER MESSAGES: one entry per enumerator of Msg (semantic/messages.h).
const char* errorMessages[errorMessageCount + 1] = {
    "unknown error",  // 0
    "syntax error",  // 1
    "semantic error",  // 2
    "not a Velandro statement",  // 3
    "not a part of the common language",  // 4
    "can't use this feature here",  // 5
    "bad while, let used twice",  // 6
    "case expected",  // 7
    "case block expected",  // 8
    "always block expected",  // 9
    "a literal is not allowed here or this method with a literal",  // 10
    "this range symbol should not be used",  // 11
    "illegal interval",  // 12
    "return misplaced",  // 13
    "bad function used with scan by",  // 14
    "statement outside function",  // 15
    "arrays required here",  // 16
    "can't put index on a range",  // 17
    "static method can't use dynamic attribute",  // 18
    "only equal works here",  // 19
    "multiple inheritance not yet available",  // 20
    "keys must be texts",  // 21
    "constructor must return void",  // 22
    "not a velandro type",  // 23
    "declaration must precede the constructor",  // 24
    "requires a name of function as literal string",  // 25
    "this operator requires either two booleans or two arrays",  // 26
    "require Php 5",  // 27
    "not accessible from a class",  // 28
    "class not defined",  // 29
    "function not defined",  // 30
    "is not a static attribute",  // 31
    "not a declared instance",  // 32
    "method not found",  // 33
    "attribute not found",  // 34
    "already declared",  // 35
    "used before assignment",  // 36
    "unknow scope",  // 37
    "doesn't match in operator",  // 38
    "is constant, can't be assigned",  // 39
    "called with bad arguments",  // 40
    "has no method",  // 41
    "duplicate name",  // 42
    "is ambiguous",  // 43
    "bad argument in",  // 44
    "bad return type in",  // 45
    "not declared",  // 46
    "incompatible function as parameter",  // 47
    "not the constructor",  // 48
    "cannot be used here",  // 49
    "unexpected",  // 50
    "not a valid indice",  // 51
    "declared with different case",  // 52
    "boolean",  // 53
    "binary",  // 54
    "relational",  // 55
    "array",  // 56
    "shift",  // 57
    "add or substract",  // 58
    "multiply",  // 59
    "divide",  // 60
    "modulo",  // 61
    "such",  // 62
    "match",  // 63
    "in",  // 64
    "if",  // 65
    "do while",  // 66
    "call",  // 67
    "declaration",  // 68
    "",  // 69
    "as global",  // 70
    "in class",  // 71
    "in a block",  // 72
    "in function",  // 73
    "in builtins",  // 74
    "",  // 75
    "dynamic list",  // 76
    "sequence",  // 77
    "integer",  // 78
    "\"$\" not declared, or \"$\" method not defined",  // 79
    "can't solve $ expression on $ and $",  // 80
    "$ required, found $",  // 81
    "\"$\" already declared $",  // 82
    "can't assign to $, from $",  // 83
    "$ required, attempting to assign $ values",  // 84
    "bad $ syntax",  // 85
    "$ is $, instance required",  // 86
    "$ \"$\" call, $ expected, $ found",  // 87
    "\"$\" requires $ argument$, $ found",  // 88
    "\"$\" must return $ and not $ values",  // 89
    "unbalanced XML tag",  // 90
    nullptr,
};

int errorCount = 0;
int lineNumber = 1;
std::string pendingMessage;

namespace {

// Where the next "$" of pendingMessage is searched: text inserted by an
// earlier fill is never searched again. A message replaced since the last
// fill is searched from its start.
std::string::size_type pendingPosition = 0;
std::string lastFilled;

// Source whose not-declared reports the symbol table's lists hold.
std::string reportedFile;

const char* messageText(int code) {
    if (code < 0 || code >= errorMessageCount || !errorMessages[code]) return "";
    return errorMessages[code];
}

const char* messageText(Msg code) { return messageText(messageCode(code)); }

void startTemplate(Msg code) {
    pendingMessage = messageText(code);
    pendingPosition = 0;
    lastFilled = pendingMessage;
}

// Each report is one line of standard output, buffered: a flush per
// report cost a system call each. The runtime's error stream is tied to
// standard output, which is flushed before anything goes there, so the two
// still come out in order.
void writeLine(const std::string& text) {
    fputs(text.c_str(), stdout);
    fputc('\n', stdout);
}

std::string locationPrefix() {
    return sourceFileName + " L" + intToText(lineNumber) + ": ";
}

// A report built in one reused buffer and written with one call.
std::string reportLine;

void startReportLine() {
    reportLine.clear();
    reportLine += sourceFileName;
    reportLine += " L";
    char digits[16];
    reportLine.append(digits, std::to_chars(digits, digits + sizeof digits, lineNumber).ptr);
    reportLine += ": ";
}

void writeReportLine() {
    // as fputs wrote it: the text up to a NUL byte
    reportLine.resize(std::strlen(reportLine.c_str()));
    reportLine += '\n';
    fwrite(reportLine.data(), 1, reportLine.size(), stdout);
}
}  // namespace

void printLocation() {
    fputs(locationPrefix().c_str(), stdout);
}

void reportError(Msg code) {
    reportErrorText(messageText(code));
}

void reportErrorText(const std::string& text) {
    startReportLine();
    reportLine += text;
    writeReportLine();
    ++errorCount;
}

void reportErrorName(Msg code, const std::string& name) {
    startReportLine();
    reportLine += '"';
    reportLine += name;
    reportLine += "\" ";
    reportLine += messageText(code);
    writeReportLine();
    ++errorCount;
}

void internalError(int number) {
    writeLine("Internal error [" + intToText(number) + "] line " + intToText(lineNumber));
    ++errorCount;
}

void fatalInternalError(int number) {
    internalError(number);
    exit(1);
}

void fatal(const std::string& text) {
    writeLine(text);
    exit(1);
}

void stackUnderflowError(const std::string& stackName) {
    internalError(0);
    reportErrorText("stack underflow in " + stackName);
}

void unknownActionError(const std::string& text, int number) {
    reportErrorText("unknown action #" + intToText(number) + " on " + text);
}

void syntaxError() { reportError(Msg::syntaxError); }

void alreadyDeclaredError(const std::string& name) { reportErrorName(Msg::alreadyDeclared, name); }

int duplicateNameError() {
    reportErrorName(Msg::duplicateName, codeBuffer);
    return 0;
}

void reportNotDeclared(const std::string& name) {
    currentType = 0;
    currentKind = 0;
    // Each file reports its own undeclared names.
    if (reportedFile != sourceFileName) {
        reportedFile = sourceFileName;
        symbolTable.reportedNames.clear();
        symbolTable.reportedClassNames.clear();
    }
    NameSet& reported = inClass ? symbolTable.reportedClassNames : symbolTable.reportedNames;
    if (!reported.insert(name)) return;
    reportErrorName(Msg::notDeclared, name);
}

void substituteArgument(const std::string& text) {
    if (pendingMessage != lastFilled) pendingPosition = 0;
    std::string::size_type at = pendingMessage.find('$', pendingPosition);
    if (at == std::string::npos) {
        pendingPosition = pendingMessage.size();
    } else {
        pendingMessage.replace(at, 1, text);
        pendingPosition = at + text.size();
    }
    lastFilled = pendingMessage;
}

void substituteTypeName(int type) { substituteArgument(typeName(type)); }

void resetReporters() {
    pendingMessage.clear();
    pendingPosition = 0;
    lastFilled.clear();
    reportedFile.clear();
}

void reportOperatorTypeError(Msg word, int left, int right) {
    startTemplate(Msg::cantSolveExpression);
    substituteArgument(messageText(word));
    substituteTypeName(left);
    substituteTypeName(right);
    reportErrorText(pendingMessage);
}

void reportRequiredType(Msg kindWord) {
    startTemplate(Msg::requiredFound);
    substituteArgument(messageText(kindWord));
    substituteTypeName(currentType);
    reportErrorText(pendingMessage);
}

void reportAlreadyDeclaredIn(Msg scopeWord) {
    startTemplate(Msg::alreadyDeclaredScope);
    substituteArgument(codeBuffer);
    substituteArgument(messageText(scopeWord));
    reportErrorText(pendingMessage);
}

void reportCantAssign(int target, int value) {
    startTemplate(Msg::cantAssign);
    substituteTypeName(target);
    substituteTypeName(value);
    reportErrorText(pendingMessage);
}

void reportAssignCount(int targets, int values) {
    startTemplate(Msg::assignCount);
    substituteArgument(intToText(targets));
    substituteArgument(intToText(values));
    reportErrorText(pendingMessage);
}

void reportBadSyntax(Msg word) {
    startTemplate(Msg::badSyntax);
    substituteArgument(messageText(word));
    reportErrorText(pendingMessage);
}

void reportInstanceRequired(const std::string& a, const std::string& b) {
    startTemplate(Msg::instanceRequired);
    substituteArgument(a);
    substituteArgument(b);
    reportErrorText(pendingMessage);
}

void reportCallTypeError(Msg code, const std::string& name, int expected, int found) {
    startTemplate(Msg::callTypeMismatch);
    substituteArgument(messageText(code));
    substituteArgument(name);
    substituteTypeName(expected);
    substituteTypeName(found);
    reportErrorText(pendingMessage);
}

void reportArgumentCount(const std::string& name, int expected, int found) {
    startTemplate(Msg::argumentCount);
    substituteArgument(name);
    substituteArgument(intToText(expected));
    substituteArgument(expected >= 2 ? "s" : "");
    substituteArgument(intToText(found));
    reportErrorText(pendingMessage);
}

void reportReturnCount(const std::string& name, int declared, int returned) {
    startTemplate(Msg::returnCount);
    substituteArgument(name);
    substituteArgument(intToText(declared));
    substituteArgument(intToText(returned));
    reportErrorText(pendingMessage);
}

void dumpErrorMessages() {
    for (int code = 1; code <= errorMessageCount && errorMessages[code]; ++code)
        printf("%0d %s\n", code, errorMessages[code]);
    fflush(stdout);
}

void loadErrorMessages() {
    static std::deque<std::string> loaded;  // keeps the loaded texts alive
    std::ifstream in("errors.fr");
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] == '#') continue;
        std::string::size_type blank = line.find(' ');
        if (blank == std::string::npos) continue;
        std::string number = line.substr(0, blank);
        if (number.size() > 3) break;
        int code = parseIntLiteral(number);
        if (code < 0 || code >= errorMessageCount) continue;
        loaded.push_back(line.substr(blank + 1));
        errorMessages[code] = loaded.back().c_str();
        printf("%d) %s\n", code, errorMessages[code]);
    }
    fflush(stdout);
}

void semanticError() { reportError(Msg::semanticError); }

void notAStatementError() { reportError(Msg::notAStatement); }

void reportPendingMessage() { reportErrorText(pendingMessage); }

void reportWhatIs(const std::string& text) { reportErrorText("what is " + text + "?"); }

int checkIndexType() {
    if (currentType == typeInteger || currentType == typeNatural ||
        currentType == typeText || currentType == typeCharPtr)
        return currentType;
    reportErrorName(Msg::invalidIndex, currentExpression());
    return currentType;
}
