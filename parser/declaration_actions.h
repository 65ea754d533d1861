// Types, modifiers and variable declarations.
#pragma once

#include <string>

#include "emit/state.h"

// --- Types and modifiers
extern int declaredType;     // type of the declared object of a class-typed type
extern int namedTypeFlag;    // parameterNamedType after a class type named by a define
// The PHP words of the current declaration's modifiers ("private static ").
// They are written only where PHP accepts them: in a class body, outside
// every function and block.
extern std::string modifierText;
// Start of a declaration: kind 1, no modifier.
void beginDeclaration();
bool atClassLevel();
// A modifier word: written at once at class level, remembered in any case.
void writeModifier(const char* text);
// The class part of a class type (an identifier): named value or class.
void classTypeName(const std::string& name);
void finishClassType();
// The start of a type keyword: no class, and no array of arrays yet.
void beginTypeName();
// "string": the text type, with no class behind it.
void textTypeName();

// --- Variable declarations
// The read-only kinds declare constants (enumeration items among them).
inline bool isConstantKind(int kind) { return kind >= kindEnumItem && kind <= lastConstantKind; }
extern int declarationKind;            // kindDeclaration (a field or ordinary), kindConstant
extern int errorCatchingDeclaration;   // the value came after ":="
// A declaration list keeps its type, kind and class for every declarator:
// the value of one declarator must not change the next one's type.
void beginDeclarationList();
// The name is declared (after identifierName), with the list's type.
void declareDeclarator();
// No value given: the default of the type.
void defaultDeclaratorValue();
void beginConstantDefinition();
void finishConstantDefinition();
// Writes the declarator (after its value, if any).
void finishDeclarator();
// The value just parsed, as a value entry of the assignment lists.
void addInitializerValue();

// --- The steps of the declaration rules
void writeStaticModifier();
// The name just read is the current identifier and the code buffer's text.
void takeIdentifierName(const std::string& name);
// Before a declarator after the first: a PHP statement of its own.
void beginNextDeclarator();
