// Class declarations, and the objects declared with a class type.
#pragma once

// --- Classes
void beginClassHead();
// After the class name: the class becomes the current one.
void openClass();
// A head that failed before its name still opens a class for its body.
void openClassIfNot();
void setClassParent();
void openClassBody();
void closeClass();
// After a syntax error that ends the class: what it opened is closed.
void closeClassAfterError();

// Start of a file: no class open, whatever a file before left.
void resetClassState();

// --- Instance declarations
void beginInstance();
void instanceNullValue();
void beginInstanceValue();
void finishInstanceValue();
void instanceDefaultValue();
void finishInstance();
