#include "parser/head_actions.h"

#include <climits>
#include <vector>

#include "emit/emit.h"
#include "emit/enumerations.h"
#include "parser/declaration_actions.h"
#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/php_names.h"
#include "semantic/semantic.h"

// --- Define declarations

// defineDeclaration: "define" ID "=" STRING_LITERAL
// writes nothing; records the named function's signature for the type name;
// checks: the function is declared ("function not defined", code 30)
void defineSignatureOf(const std::string& quotedName)
{
    std::string name = stripQuotes(quotedName);
    FunctionRecord* record = symbolTable.findFunction(name);
    if (record->name == "?")
        reportErrorName(Msg::functionNotDefined, name);
    namedValueTable.addValue(record);
}

// defineDeclaration: "define" ID ("as")?
// writes nothing; records a type name with no signature
void defineWithoutSignature()
{
    namedValueTable.addValue(nullptr);
}

// defineDeclaration: "define" ID ... (EOL | ";")
// writes nothing; enters the name into the named-value table
void defineName(const std::string& name)
{
    namedValueTable.add(name);
}

// --- Enumerations

namespace {
std::string enumValueText;
// The counter left the 64-bit range: the next counted item has no value.
bool enumCounterPast = false;

// enumItem: reports the item's name "not a valid indice" (code 51)
void reportEnumRange()
{
    reportErrorName(Msg::invalidIndex, currentIdentifier);
}
}

// enumeratorList: enumItem ("," enumItem)*
// writes nothing; the counter starts again at 0
void beginEnumeratorList()
{
    enumCounter = 0;
    enumCounterPast = false;
}

// enumItem: ID
// writes nothing; takes the item's name
void beginEnumItem(const std::string& name)
{
    currentIdentifier = name;
    setCodeBuffer(name);
}

// enumItem: ID "=" INTEGER
// writes nothing; the item is the integer, and the counter goes on from it;
// checks: the value fits 64 bits (code 51)
void enumGivenValue(const std::string& token)
{
    enumValueText = phpIntegerText(token);
    currentType = typeInteger;
    long long value = 0;
    enumCounterPast = !integerLiteralValue(token, value);
    if (enumCounterPast)
        reportEnumRange();
    else
        enumCounter = value;
}

// enumItem: ID ":" INTEGER
// writes nothing; the item is the integer, the counter stays; checks: it fits 64 bits
void enumIntegerValue(const std::string& token)
{
    enumValueText = phpIntegerText(token);
    currentType = typeInteger;
    long long value = 0;
    if (!integerLiteralValue(token, value))
        reportEnumRange();
}

// enumItem: ID ":" REAL_LITERAL
// writes nothing; the item is the real as PHP writes it, the counter stays
void enumRealValue(const std::string& token)
{
    enumValueText = phpRealText(token);
    currentType = typeReal;
}

// enumItem: ID ":" STRING_LITERAL
// writes nothing; the item is the PHP string, the counter stays
void enumTextValue(const std::string& token)
{
    enumValueText = phpStringLiteral(token);
    currentType = typeText;
}

// enumItem: ID, with no value
// writes nothing; the item is the counter; checks: the counter is in range (code 51)
void enumCountedValue()
{
    currentType = typeInteger;
    if (enumCounterPast) {
        reportEnumRange();
        enumValueText = "0";
        return;
    }
    enumValueText = std::to_string(enumCounter);
}

// enumItem: ID (...)?, at its end
// writes nothing; declares a constant global whose uses write its value;
// checks: a new name ("duplicate name") and no PHP constant ("in builtins")
void declareEnumItem()
{
    if (!enumCounterPast) {
        if (enumCounter == LLONG_MAX)
            enumCounterPast = true;
        else
            ++enumCounter;
    }
    if (symbolTable.findGlobalIgnoreCase(currentIdentifier) != -1)
        duplicateNameError();
    if (isPhpConstantName(currentIdentifier))
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    symbolTable.globals.push_back(new Symbol(currentIdentifier, enumValueText,
                                             static_cast<uint32_t>(currentType | symbolAssigned), 3,
                                             currentClassIndex));
}

// --- Extern declarations

namespace {
int externParameterFlags = 0;
int externParameterClass = 0;
}

// externDeclaration: ("static")? ("const")? typeSpec ...
// writes nothing; a plain variable's kind and no static mark to start with
void beginExternDeclaration()
{
    currentKind = kindDeclaration;
    staticModifier = 0;
}

// externDeclaration: typeSpec ("*")? ID
// writes nothing; declares the PHP program's variable, global or an attribute
void declareExternVariable(const std::string& name)
{
    Symbol* symbol = new Symbol(name,
                                static_cast<uint32_t>(currentType | staticModifier | symbolAssigned),
                                static_cast<uint32_t>(currentKind), currentClassIndex);
    if (inClass && symbolTable.currentClass)
        symbolTable.currentClass->addAttribute(symbol);
    else
        symbolTable.globals.push_back(symbol);
}

// externFunctionDeclaration: typeSpec, before (comma typeSpec)* identifierName
// writes nothing; starts the prototype's record with its first return type
void beginExternFunction()
{
    currentFunction = new FunctionRecord();
    currentFunction->addReturnType(currentType);
}

// externFunctionDeclaration: (comma typeSpec)*
// writes nothing; adds a further return type
void addExternReturnType()
{
    currentFunction->addReturnType(currentType);
}

// externFunctionDeclaration: identifierName "(" ...
// writes nothing; names the prototype (a class's main outside the main file
// becomes _main_<base>); checks: a global one is new and no predefined function
void settleExternFunctionName()
{
    if (inClass) {
        if (currentIdentifier == "main" && !isMainFile)
            currentIdentifier = "_main_" + baseName;
    } else {
        if (methodTable.findGlobalFunction(currentIdentifier))
            reportAlreadyDeclaredIn(Msg::scopeBuiltins);
        declareFunctionName();
    }
    currentFunction->name = currentIdentifier;
}

// externFunctionDeclaration: ... "(" externParameterList ")"
// writes nothing; adds the prototype to the current class or the global functions
void registerExternFunction()
{
    if (inClass && symbolTable.currentClass)
        symbolTable.currentClass->addMethod(currentFunction);
    else
        symbolTable.addFunction(currentFunction);
}

// externParameter: ("const")? ("alias")? typeSpec ...
// writes nothing; the parameter has no marks to start with
void beginExternParameter()
{
    externParameterFlags = 0;
}

// externParameter: "alias", before or after typeSpec
// writes nothing; marks the parameter passed by reference
void setExternParameterAlias()
{
    externParameterFlags |= parameterAlias;
}

// externParameter: typeSpec ("*" ("*")?)?
// writes nothing; keeps the parameter's type and class
void takeExternParameterType()
{
    declaredType = currentType;
    externParameterClass = currentClassIndex;
}

// externParameter: ... "=" expression
// writes nothing; marks the parameter optional; checks: the default fits its type
void checkExternParameterDefault()
{
    externParameterFlags |= parameterDefaulted;
    checkAssignment(declaredType, currentType);
}

// externParameter: at its end
// writes nothing; adds the parameter to the prototype
void addExternParameter()
{
    currentClassIndex = externParameterClass;
    currentFunction->addParameter(declaredType, externParameterFlags, 0);
}

// --- Extern classes

namespace {
// The classes an open extern class interrupted, innermost last.
struct OpenClass {
    ClassRecord* record;
    int inClass;
};
std::vector<OpenClass> openExternClasses;
}

// externClassHead: (externClassName | identifierName)
// writes nothing; a class type, a plain kind and no static mark to start with
void beginExternClass()
{
    currentType = typeClass;
    // what an earlier declaration of the head left does not carry over
    currentKind = kindDeclaration;
    staticModifier = 0;
}

// externClassName: ("java" | "javax") "." ID ("." ID)*
// writes nothing; the class is named by the dotted name, with the java type
void takeExternClassName()
{
    currentIdentifier = qualifiedClassName;
    currentType = typeJava;
}

// externClassHead: (externClassName | identifierName), after the name
// writes nothing; declares the class name and opens its record, keeping the
// class it interrupts; checks: the name is new
void declareExternClass()
{
    int type = currentType;
    setCodeBuffer(currentIdentifier);   // a duplicate is reported by its full name
    declareVariable(0);
    openExternClasses.push_back({symbolTable.currentClass, inClass});
    symbolTable.beginClass(currentIdentifier);
    symbolTable.currentClass->typeCode = type;
}

// externClassHead: "is" identifierName
// writes nothing; records the parent class
void setExternParent(const std::string& name)
{
    symbolTable.setParentClass(name);
}

// externClassHead, classHead: "is" name ("," name)*
// checks: one parent only ("multiple inheritance not yet available", code 20)
void reportExtraParent()
{
    reportError(Msg::multipleInheritance);
}

// externClassDeclaration: "class" externClassHead ... externClassEnd
// writes nothing; closes the class record and goes back to the class it interrupted
size_t externClassesOpen()
{
    return openExternClasses.size();
}

void endExternClass()
{
    symbolTable.endClass();
    if (openExternClasses.empty())
        return;
    OpenClass outer = openExternClasses.back();
    openExternClasses.pop_back();
    if (outer.inClass && outer.record) {
        symbolTable.currentClass = outer.record;
        inClass = 1;
    }
}

// A new file: no extern class open (writes nothing)
void forgetExternClasses()
{
    openExternClasses.clear();
}

// --- Qualified class names

// javaClassName: "java" "." "text" "." ID | "java" "." ID | "javax" "." ID
// writes nothing; the qualified name starts as java.text.X, java.X or javax.X
void setJavaClassName(const std::string& prefix, const std::string& name)
{
    qualifiedClassName = prefix + name;
}

// externClassName, classType: "." ID
// writes nothing; adds ".part" to the qualified name
void appendQualifiedName(const std::string& part)
{
    qualifiedClassName += "." + part;
}
