#include "parser/declaration_actions.h"

#include "emit/emit.h"
#include "parser/state.h"
#include "semantic/semantic.h"

// --- Types and modifiers

int declaredType = 0;
int namedTypeFlag = 0;
std::string modifierText;

// topLevelItem, declaration, classBodyElement: (modifier)* before the declaration
// writes nothing; a plain public variable, no static mark, no modifiers yet
void beginDeclaration()
{
    assignTargetMode = 0;   // a target left half parsed by a syntax error ends here
    currentKind = kindDeclaration;
    staticModifier = 0;
    modifierText.clear();
    memberVisibility = visibilityPublic;
}

// A declaration stands in a class body, outside its methods and blocks.
bool atClassLevel()
{
    return inClass && !inFunction && !inBlockScope;
}

// modifier: "static" | "protected" | "private"
// writes: "static ", "protected " or "private " in a class body, else nothing
void writeModifier(const char* text)
{
    modifierText += text;
    if (text[0] == 'p')
        memberVisibility = text[1] == 'r' && text[2] == 'i' ? visibilityPrivate : visibilityProtected;
    if (atClassLevel())
        emitText(text);
}

// classType: ID ("." ID)*
// writes nothing; finds the class (or a defined type name);
// checks: the class is declared ("class not defined")
void classTypeName(const std::string& name)
{
    qualifiedClassName = name;
    if (namedValueTable.find(name)) {
        currentClassIndex = namedTypeClassIndex;
        namedTypeFlag = parameterNamedType;
    } else {
        currentClassIndex = symbolTable.classIndexOrError(name);
    }
}

// classType: ... classArrayPairs, at its end
// writes nothing; the declared type is the class's (object for an unknown one)
void finishClassType()
{
    if (!symbolTable.isClassName(qualifiedClassName)) {
        declaredType = typeObject;
        return;
    }
    declaredType = currentType == typeObjectArray ? typeObjectArray : symbolTable.foundClassType();
    qualifiedClassName = symbolTable.foundClassName();
}

// declarationType, variableType: before the type keyword
// writes nothing; no class and no array-of mark yet
void beginTypeName()
{
    currentClassIndex = noClassIndex;
    arrayElementsMark = 0;
}

// classType, keywordType: "string"
// writes nothing; the declared type is text
void textTypeName()
{
    arrayElementsMark = 0;
    currentType = typeText;
    currentClassIndex = noClassIndex;
    declaredType = typeText;
}

// --- Variable declarations

int declarationKind = 0;
int errorCatchingDeclaration = 0;

namespace {
int listType = 0;
int listKind = 0;
int listClassIndex = 0;
int declaratorIndex = 0;    // declarators of the list written so far
int declaratorHasValue = 0;
std::string declaratorValue;   // the value's text as written
}

// variableDeclarationList: variableDeclarator ("," variableDeclarator)*
// writes nothing; keeps the list's type, kind and class for each declarator
void beginDeclarationList()
{
    listType = currentType;
    listKind = currentKind;
    listClassIndex = currentClassIndex;
    declaratorIndex = 0;
}

namespace {
// declareDeclarator: the declarator starts with the list's type and no value
void beginDeclarator()
{
    currentType = listType;
    currentKind = listKind;
    currentClassIndex = listClassIndex;
    declaredType = currentType;
    initializerTargetType = currentType;
    lvalueFlag = currentType;
    deferredText.clear();
    errorCatchingDeclaration = 0;
    declaratorHasValue = 0;
}

}

// variableDeclarator: identifierName, before the value
// writes nothing; declares the variable with the list's type (a class
// field is never a constant)
void declareDeclarator()
{
    beginDeclarator();
    if (atClassLevel()) {
        currentKind = kindDeclaration;
        declarationKind = kindDeclaration;
    } else {
        declarationKind = currentKind;
    }
    declareVariable(symbolAssigned);
    lvalueText = currentIdentifier;
}

// variableDeclarator: identifierName, with no value
// writes: $x=0, $x="" or $x=array() by the type; define("X",0) for a constant
void defaultDeclaratorValue()
{
    int type = currentType;
    const char* value = "0";
    if (type == typeArray || type == typeDict || isTypedArray(type))
        value = "array()";
    else if (type == typeText)
        value = "\"\"";
    // A constant without a value is still a constant: its uses are written
    // as the bare name.
    if (declarationKind == kindConstant)
        deferredText = "define(\"" + lvalueText + "\"," + value + ")";
    else
        deferredText = dollarName(lvalueText) + "=" + value;
}

// constantDefinition: initializerValue, before it
// writes nothing; the declarator is the one target of a plain "=" assignment
void beginConstantDefinition()
{
    declaratorHasValue = 1;
    resetAssignLists();
    addLvalue();
    returnedValueIndex = 0;
    // A declaration's value is checked as a plain assignment, whatever the
    // operator of the last assignment statement was.
    setAssignOperator('=');
}

// constantDefinition: initializerValue, after it
// writes: $x=value, $x=@value after "?=", or define("X",value for a constant;
// a nil value as the type's default, a real for an integer in intVal(...)
void finishConstantDefinition()
{
    rewindLvalues();
    rewindRvalues();
    int target = lvalueType();
    int value = rvalueType();
    if (declarationKind == kindConstant) {
        deferredText += "define(\"";
        deferredText += lvalueText;
        deferredText += "\",";
    } else {
        deferredText += '$';
        deferredText += lvalueText;
        deferredText += '=';
    }
    if (errorCatchingDeclaration)
        deferredText += '@';

    // The value is built where it is kept.
    std::string& text = declaratorValue;
    text = rvalueList.atCursor().text;
    if (isArrayKind(target)) {
        // A list in parentheses; a parenthesised array keeps its text.
        if (!text.empty() && text[0] == '(' && !isArrayKind(value) && value != typeVar &&
            value != typeNil) {
            text = "array" + text;
            setRvalueType(target);
        } else if (isTypedArray(target) && isArrayType(value)) {
            setRvalueType(target);
        }
        if (text.empty())
            text = defaultValueOf(target);  // nil
    } else if (value == typeNil) {
        text = defaultValueOf(target);
    } else if (needsIntval(target, value)) {
        text = wrapIntval(text);
    }
    deferredText += text;
    translateMultipleAssignment();
}

// variableDeclarator: identifierName ("=" constantDefinition | ...)?, at its end
// writes: the declarator and ";" (a field as var $x=v; or after its modifiers),
// then $error=$x; after "?="; checks: no static outside a class, no "?=" in one (code 5)
void finishDeclarator()
{
    if (declarationKind == kindConstant && declaratorHasValue)
        deferredText += ")";
    deferredText += ";";
    bool classLevel = atClassLevel();
    if (staticModifier && !classLevel) {
        reportError(Msg::featureNotHere);
    } else if (classLevel) {
        // The modifiers of a field stand in place of "var"; the first
        // declarator had them written by the modifier rule.
        if (!modifierText.empty() && declaratorIndex > 0)
            emitString(modifierText);
        if (errorCatchingDeclaration) {
            // the "$error" line cannot stand in a class body
            reportError(Msg::featureNotHere);
            emitString((modifierText.empty() ? "var $" : "$") + lvalueText + ";");
        } else if (declaratorHasValue) {
            emitClassAttribute(lvalueText, declaratorValue, staticModifier != 0,
                               !modifierText.empty());
        } else {
            emitString((modifierText.empty() ? "var " : "") + deferredText);
        }
    } else {
        emitString(deferredText);
    }
    if (errorCatchingDeclaration && !staticModifier && !classLevel) {
        emitNewline();
        emitString("$error=" + (declarationKind == kindConstant ? lvalueText : "$" + lvalueText));
        emitSemicolonNewline();
    }
    ++declaratorIndex;
}

// initializerValue: expression
// writes nothing; enters the value into the value list, a scalar for an array
// target as array(value)
void addInitializerValue()
{
    // The level's text is read in place; only a wrapped scalar is rebuilt.
    const std::string& text = exprText[static_cast<size_t>(exprLevel)];
    int type = currentType;
    int kind = 2;
    bool scalar = false, wrapped = false;
    if (isTypedArray(type)) {
        rvalueFlag = type;
        kind = 3;
    } else if (type == typeArray || type == typeDict || type == typeList) {
        rvalueFlag = typeList;
        kind = 6;
    } else if (type == typeVar || type == typeNil) {
        kind = 2;
    } else if (type == typeTuple) {
        kind = 5;
    } else {
        scalar = true;
        wrapped = isArrayType(initializerTargetType);
    }
    if (wrapped)
        addRvalueTyped("array(" + text + ")", type, kind);
    else
        addRvalueTyped(text, type, kind);
    rvalueList.entries[static_cast<size_t>(rvalueList.count - 1)].scalar = scalar;
    rvalueList.entries[static_cast<size_t>(rvalueList.count - 1)].wrapped = wrapped;
}

// --- The steps of the declaration rules

// modifier: "static"
// writes: static   (the declaration is static)
void writeStaticModifier()
{
    staticModifier = symbolStatic;
    writeModifier("static ");
}

// identifierName: ID
// writes: nothing; the name is the current identifier and in codeBuffer
void takeIdentifierName(const std::string& name)
{
    currentIdentifier = name;
    setCodeBuffer(currentIdentifier);
}

// variableDeclarationList: variableDeclarator ( COMMA variableDeclarator )*
// writes: a line end and the next declarator's indentation
void beginNextDeclarator()
{
    emitNewline();
    emitIndent();
}
