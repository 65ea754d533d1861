// Class declarations, and the objects declared with a class type.
#pragma once

#include <string>
#include <vector>

// --- Classes
void beginClassHead();
// After the class name: the class becomes the current one.
void openClass();
// A head that failed before its name still opens a class for its body.
void openClassIfNot();
// "is" and the parent's name; a parent that is no class yet (declared
// further down, or nowhere) is checked at the end of the file.
void setClassParent();
// Whether the open class's parent is no class yet.
bool parentDeclaredLater();
// The open class's constructor (its head on the line given) begins, or
// calls its parent's, before the parent is known: both are checked at the
// end of the file.
void noteConstructorBeforeParent(int line);
void noteSuperCallBeforeParent(const std::vector<int>& argumentTypes);
// At the end of a file: each class with a parent declared further down.
// A parent nothing declares reports 29; one PHP cannot bind as it compiles
// the file (its own parent not so declared above it), 49. Then what was
// written before the parent was known: members PHP's class at the chain's
// end has (74), a constructor that should have begun with the parent's
// generated one, the parent's constructor called without one or with
// arguments it does not take, bare calls of the parent's methods (49).
void checkClassParents();
void openClassBody();
void closeClass();
// After a syntax error that ends the class: what it opened is closed.
void closeClassAfterError();

// Start of a file: no class open, whatever a file before left.
void resetClassState();

// --- Methods defined further down the open class
// The tokens ahead of the parser, read without consuming them: the type of
// the i-th (1 the next; -1 where the lexer fails) and its text.
struct TokenPeek {
    void* source = nullptr;
    int (*type)(void* source, int i) = nullptr;
    std::string (*text)(void* source, int i) = nullptr;
};

struct FunctionRecord;

// A method head read ahead: its record (name, static mark, result and
// parameter types as the definition will give them), and whether its
// parameters were all read.
struct MethodHead {
    FunctionRecord* record = nullptr;
    bool parametersRead = false;
};

// The method heads of a class body from the next token up to "/class": a
// line (or a part after ";") that begins with modifiers, a type (or
// several) and a name before "(". Each head is one of
//     [static|private|protected|volatile|const]* type [, type]* name ( parameters )
struct MethodHeads {
    std::vector<MethodHead> heads;
    bool cut = false;   // the reading stopped at its limit, before the class's end
    int lineEnds = 0;   // the line ends it passed
};
MethodHeads readMethodHeads(const TokenPeek& tokens);
// The head of a method of the open class defined further down, named so;
// null when none. The heads are read once for each class, at the first
// call that asks.
const MethodHead* methodDefinedLater(const std::string& name, const TokenPeek* tokens);
// The same for a member call on an object (or the name) of a class: only
// the open class, in one of its methods, has methods defined later.
const MethodHead* laterMethodOfClass(const std::string& className, const std::string& name,
                                     const TokenPeek* tokens);
// A bare call of such a method, written as its call on the line given: it
// is checked again at the end of the class, against the method defined.
void noteCallOfMethodDefinedLater(const MethodHead& head, int line);
// A bare call in a method of the open class of a name nothing defines yet
// (a function defined later, or PHP's, or native code's).
void noteBareCallInClass(const std::string& name, int line);
// At the end of a class: each call of a method read ahead checked against
// the method as it was defined (one the class did not define after all:
// 33); a bare call noted above that names a method of the class after all
// (its head was not read ahead) cannot stand as the function call it was
// written as: 49.
void checkCallsOfMethodsDefinedLater();
// The heads and calls kept for the open class let go.
void forgetMethodsDefinedLater();

// --- Instance declarations
void beginInstance();
void instanceNullValue();
void beginInstanceValue();
void finishInstanceValue();
void instanceDefaultValue();
void finishInstance();

// --- The steps of the class rules
// The name of a class head or parent: written, and the current identifier.
void writeClassName(const std::string& name);
// The type code of a type keyword token, 0 for any other token ("char" is
// no parameter type).
int keywordType(int token, bool parameter);
