// Function definitions: the head with its result types and parameters,
// the scope of the body, and the return statements.
#pragma once

#include <string>

// 1 while the "{" of the function being defined is written.
extern int functionBodyOpen;

// --- Head
void beginFunction();
void addResultType();
// The name: checks it, writes it (or "__construct").
void nameFunction();

// --- Parameters
void beginParameters();
void beginParameter();
void aliasParameter();
// After a class type: a name given by a define is a function type.
void classParameterType();
void parameterType();
void parameterName();
void beginParameterDefault();
void parameterDefault();
void finishParameter();
void nextParameter();
// Writes "(" and the parameters and ")", and registers the function.
void finishParameters();

// --- Body
void openFunctionBlock();
void openOneLineBody();
void closeFunction();
// After a syntax error: what the definition opened is closed.
void closeFunctionAfterError();

// --- Return statements
void checkReturnPlace();
void returnNothing();
void beginReturnValue();
void returnOneValue();
void returnFirstOfSeveral();
void returnNextValue();
void finishSeveralValues();

// --- Super-constructor calls
void beginSuperCall();
void finishSuperCall();
void abandonSuperCall();

// Start of a file: no function open, whatever a file before left.
void resetFunctionState();

// Whether PHP defines a function or a class of that name itself.
bool isPhpOwnFunctionName(const std::string& name);
bool isPhpOwnClassName(const std::string& name);
