// Diagnostics: the message table and the reporters that print and count
// the compiler's own diagnostics on standard output.
#pragma once

#include <string>

// ORDER MESSAGES: one enumerator per entry of errorMessages, in its order.
// A code is a message; codes 53 on are also words that the templates
// (79 on) take as their fillers.
enum class Msg : int {
    unknownError,                   // 0
    syntaxError,
    semanticError,
    notAStatement,
    notCommonLanguage,
    featureNotHere,                 // 5
    letUsedTwice,
    caseExpected,
    caseBlockExpected,
    alwaysBlockExpected,
    literalNotAllowed,              // 10
    rangeSymbolMisused,
    illegalInterval,
    returnMisplaced,
    badScanByFunction,
    statementOutsideFunction,       // 15
    arraysRequired,
    indexOnRange,
    staticUsesDynamicAttribute,
    onlyEqualHere,
    multipleInheritance,            // 20
    keysMustBeTexts,
    constructorNotVoid,
    notAType,
    declarationAfterConstructor,
    functionNameLiteralRequired,    // 25
    needsBooleansOrArrays,
    requiresPhp5,
    notAccessibleFromClass,
    classNotDefined,
    functionNotDefined,             // 30
    notStaticAttribute,
    notDeclaredInstance,
    methodNotFound,
    attributeNotFound,
    alreadyDeclared,                // 35
    usedBeforeAssignment,
    unknownScope,
    operatorMismatch,
    constantAssigned,
    badArguments,                   // 40
    hasNoMethod,
    duplicateName,
    ambiguous,
    badArgumentIn,
    badReturnTypeIn,                // 45
    notDeclared,
    incompatibleFunctionParameter,
    notTheConstructor,
    cannotBeUsedHere,
    unexpected,                     // 50
    invalidIndex,
    differentCase,
    // Operator and construct words: the first filler of cantSolveExpression
    // and badSyntax.
    wordBoolean,
    wordBinary,
    wordRelational,                 // 55
    wordArray,
    wordShift,
    wordAddSubtract,
    wordMultiply,
    wordDivide,                     // 60
    wordModulo,
    wordSuch,
    wordMatch,
    wordIn,
    wordIf,                         // 65
    wordDoWhile,
    wordCall,
    wordDeclaration,
    // Scope words, the last filler of alreadyDeclaredScope; from scopeNone
    // they follow the symbol table's found scopes (0 nowhere .. 4 locals).
    scopeNone,
    scopeGlobal,                    // 70
    scopeClass,
    scopeBlock,
    scopeFunction,
    scopeBuiltins,
    scopeBlank,                     // 75
    // Required kinds, the first filler of requiredFound.
    requiredDynamicList,
    requiredSequence,
    requiredInteger,
    // Templates: each "$" is filled in order.
    notDeclaredOrNoMethod,
    cantSolveExpression,            // 80
    requiredFound,
    alreadyDeclaredScope,
    cantAssign,
    assignCount,
    badSyntax,                      // 85
    instanceRequired,
    callTypeMismatch,
    argumentCount,
    returnCount,
    unbalancedXmlTag,               // 90
};

constexpr int messageCode(Msg m) { return static_cast<int>(m); }

// The scope word of a scope the symbol table found a name in (foundScope).
constexpr Msg scopeWordOf(int foundScope)
{
    return static_cast<Msg>(messageCode(Msg::scopeNone) + foundScope);
}

// ORDER MESSAGES: message texts by code (0 to 90), then a null entry.
// Entries are mutable so that loadErrorMessages can replace them.
constexpr int errorMessageCount = 91;
extern const char* errorMessages[errorMessageCount + 1];
static_assert(messageCode(Msg::unbalancedXmlTag) + 1 == errorMessageCount,
              "one Msg per entry of errorMessages");
// The groups begin where the table's texts do.
static_assert(messageCode(Msg::wordBoolean) == 53 && messageCode(Msg::scopeNone) == 69 &&
                  messageCode(Msg::requiredDynamicList) == 76 &&
                  messageCode(Msg::notDeclaredOrNoMethod) == 79,
              "Msg groups out of step with errorMessages");

extern int errorCount;              // errors of the file being compiled
extern int lineNumber;              // current line of the file being compiled
extern std::string pendingMessage;  // template being filled by a reporter

void printLocation();
void reportError(Msg code);
void reportErrorText(const std::string& text);
void reportErrorName(Msg code, const std::string& name);
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

void reportOperatorTypeError(Msg word, int left, int right);
void reportRequiredType(Msg kindWord);   // a required-kind word
void reportAlreadyDeclaredIn(Msg scopeWord);
void reportCantAssign(int target, int value);
void reportAssignCount(int targets, int values);
void reportBadSyntax(Msg word);
void reportInstanceRequired(const std::string& a, const std::string& b);
void reportCallTypeError(Msg code, const std::string& name, int expected, int found);
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
