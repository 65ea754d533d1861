// The file head's declarations that enter names without code: defines,
// enumerations, extern variables, prototypes and classes, and the Java and
// dotted class names of types.
#pragma once

#include <string>

// --- Define declarations
// "= \"name\"": the signature of a function declared before.
void defineSignatureOf(const std::string& quotedName);
void defineWithoutSignature();
// The name, after the value: both are entered together.
void defineName(const std::string& name);

// --- Enumerations
void beginEnumeratorList();
void beginEnumItem(const std::string& name);
// The item's value: "=" integer, ":" integer, real or text, or counted.
void enumGivenValue(const std::string& token);
void enumIntegerValue(const std::string& token);
void enumRealValue(const std::string& token);
void enumTextValue(const std::string& token);
void enumCountedValue();
// Declares the item as a global with the value as its PHP text.
void declareEnumItem();

// --- Extern declarations
// Kind 1, no static mark.
void beginExternDeclaration();
void declareExternVariable(const std::string& name);
void beginExternFunction();
void addExternReturnType();
// The prototype's name (currentIdentifier): "main" of an included file's
// class, the builtin clash, the global function symbol.
void settleExternFunctionName();
void registerExternFunction();
void beginExternParameter();
void setExternParameterAlias();
// After its type: the parameter's declared type and class.
void takeExternParameterType();
// After a default value: its type is checked against the parameter's.
void checkExternParameterDefault();
void addExternParameter();

// --- Extern classes
void beginExternClass();
// currentIdentifier and currentType from the qualified Java name.
void takeExternClassName();
// Declares the class name and makes the class current; an enclosing
// extern class is kept, to be current again after this one ends.
void declareExternClass();
void setExternParent(const std::string& name);
void reportExtraParent();
// The extern classes open (declared, not ended), and the end of the
// innermost.
size_t externClassesOpen();
void endExternClass();
// A new file: no extern class open, none interrupted.
void forgetExternClasses();

// --- Qualified class names
void setJavaClassName(const std::string& prefix, const std::string& name);
void appendQualifiedName(const std::string& part);
