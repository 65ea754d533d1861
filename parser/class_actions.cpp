#include "parser/class_actions.h"

#include <string>

#include "emit/calls.h"
#include "emit/emit.h"
#include "parser/declaration_actions.h"
#include "parser/function_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {
int classOpen = 0;
int classBodyOpen = 0;
std::string instanceName;
std::string instanceValue;
bool instanceAtClassLevel = false;
}

// --- Classes

void resetClassState()
{
    classOpen = 0;
    classBodyOpen = 0;
}

void beginClassHead()
{
    currentType = typeClass;
    emitText("\nclass ");
}

void openClass()
{
    if (isPhpOwnClassName(currentIdentifier))
        reportAlreadyDeclaredIn(74);
    declareVariable(0);
    symbolTable.beginClass(currentIdentifier);
    headerLines.clear();
    // A class without "is" has no parent, whatever the class before had.
    symbolTable.parentClassName.clear();
    classOpen = 1;
    classBodyOpen = 0;
}

void openClassIfNot()
{
    if (classOpen)
        return;
    symbolTable.beginClass(currentIdentifier);
    headerLines.clear();
    symbolTable.parentClassName.clear();
    classOpen = 1;
    classBodyOpen = 0;
}

void setClassParent()
{
    // PHP needs the parent declared first (an extern class for its own).
    symbolTable.classIndexOrError(currentIdentifier);
    symbolTable.setParentClass(currentIdentifier);
    symbolTable.parentClassName = currentIdentifier;
}

void openClassBody()
{
    emitText("\n{\n");
    indentMore();
    classBodyOpen = 1;
}

void closeClass()
{
    indentLess();
    symbolTable.endClass();
    emitText("}\n");
    emitHeaderLines();
    headerLines.clear();
    classOpen = 0;
    classBodyOpen = 0;
}

void closeClassAfterError()
{
    if (!classOpen)
        return;
    if (!classBodyOpen)
        openClassBody();
    closeClass();
}

// --- Instance declarations

void beginInstance()
{
    declareVariable(64);
    instanceName = currentIdentifier;
    instanceAtClassLevel = atClassLevel();
    instanceValue.clear();
    pushCallFrame();
    currentCall = symbolTable.findConstructor(qualifiedClassName);
    currentCall->argumentTypes.clear();
    currentCall->cursor = 0;
    resetExpressions();
}

void instanceNullValue()
{
    currentType = typeObject;
    instanceValue = "null";
}

void beginInstanceValue()
{
    instanceValue.clear();
    lvalueText = instanceName;
    referenceAccessKind = 1;
    initializerTargetType = currentType;
    resetAssignLists();
    addLvalue();
}

void finishInstanceValue()
{
    rewindLvalues();
    rewindRvalues();
    translateMultipleAssignment();
}

void instanceDefaultValue()
{
    ClassRecord* owner = symbolTable.currentClass;
    if (instanceAtClassLevel && owner && owner->name == qualifiedClassName &&
        !isArrayKind(declaredType)) {
        // An object of its own class made with every object would make
        // another one, without end: it starts as null.
        instanceValue = "null";
        return;
    }
    if (declaredType == typeJava)
        instanceValue = std::string(newPrefix) + "Java(\"" + qualifiedClassName + "\")";
    else if (isArrayKind(declaredType))
        instanceValue = "array()";
    else
        instanceValue = std::string(newPrefix) + qualifiedClassName + "()";
}

void finishInstance()
{
    std::string value = instanceValue + currentExpression();
    popCallFrame();
    if (!instanceAtClassLevel) {
        emitString("$" + instanceName + "=" + value + ";\n");
        return;
    }
    emitIndent();
    emitClassAttribute(instanceName, value, staticModifier != 0, !modifierText.empty());
    emitNewline();
}
