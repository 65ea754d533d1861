// Declaring variables in the current scope, PHP "global" declarations,
// instance and class members, and the generated constructor.
#pragma once

#include <string>

class SymbolTable;

int declareVariable(int extraFlags);
// Visibility of the member being declared, from its modifiers.
extern int memberVisibility;
// 1 while a parameter's default is read: no "global" line is written then.
extern int inParameterList;
void emitGlobalDeclaration();
int isInstanceMember(const std::string& name);
// A method of the current class or a parent that is static.
bool isStaticMethodName(const std::string& name);
// What a call of `name` inside a class is written after: "$this->" for an
// instance member, "self::" for a static method, else nothing.
std::string memberCallPrefix(const std::string& name);
void resolveClassMember();
int loadClassAttribute(const std::string& name);
void emitGeneratedConstructor(SymbolTable& table);
// Whether the class `name` or one of its parents has a PHP constructor
// (declared, generated, or an extern class's).
bool classHasConstructor(std::string name);
bool hasGeneratedConstructor(const std::string& className);
// A new run: no class has a generated constructor yet.
void forgetGeneratedConstructors();
// Whether the constructor the class `name` runs is a generated one (its own
// or the nearest parent's).
bool runsGeneratedConstructor(std::string name);
// An attribute in the class body: "$name=value;", or "$name;" when PHP
// cannot take the value there; such a value is then set by the
// constructor's lines, or for a static attribute once after the class
// (through a closure bound to the class when the attribute is private or
// protected).
// "var " stands first unless the modifiers were written.
void emitClassAttribute(const std::string& name, const std::string& value, bool isStatic,
                        bool modifiersWritten);
