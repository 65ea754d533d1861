// Declaring variables in the current scope, PHP "global" declarations,
// instance and class members, and the generated constructor.
#pragma once

#include <string>

class SymbolTable;

int declareVariable(int extraFlags);
void emitGlobalDeclaration();
int isInstanceMember(const std::string& name);
void resolveClassMember();
int loadClassAttribute(const std::string& name);
void emitGeneratedConstructor(SymbolTable& table);
