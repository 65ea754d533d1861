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

void defineSignatureOf(const std::string& quotedName)
{
    std::string name = stripQuotes(quotedName);
    FunctionRecord* record = symbolTable.findFunction(name);
    if (record->name == "?")
        reportErrorName(Msg::functionNotDefined, name);
    namedValueTable.addValue(record);
}

void defineWithoutSignature()
{
    namedValueTable.addValue(nullptr);
}

void defineName(const std::string& name)
{
    namedValueTable.add(name);
}

// --- Enumerations

namespace {
std::string enumValueText;
// The counter left the 64-bit range: the next counted item has no value.
bool enumCounterPast = false;

void reportEnumRange()
{
    reportErrorName(Msg::invalidIndex, currentIdentifier);
}
}

void beginEnumeratorList()
{
    enumCounter = 0;
    enumCounterPast = false;
}

void beginEnumItem(const std::string& name)
{
    currentIdentifier = name;
    setCodeBuffer(name);
}

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

void enumIntegerValue(const std::string& token)
{
    enumValueText = phpIntegerText(token);
    currentType = typeInteger;
    long long value = 0;
    if (!integerLiteralValue(token, value))
        reportEnumRange();
}

void enumRealValue(const std::string& token)
{
    enumValueText = phpRealText(token);
    currentType = typeReal;
}

void enumTextValue(const std::string& token)
{
    enumValueText = phpStringLiteral(token);
    currentType = typeText;
}

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

void beginExternDeclaration()
{
    currentKind = kindDeclaration;
    staticModifier = 0;
}

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

void beginExternFunction()
{
    currentFunction = new FunctionRecord();
    currentFunction->addReturnType(currentType);
}

void addExternReturnType()
{
    currentFunction->addReturnType(currentType);
}

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

void registerExternFunction()
{
    if (inClass && symbolTable.currentClass)
        symbolTable.currentClass->addMethod(currentFunction);
    else
        symbolTable.addFunction(currentFunction);
}

void beginExternParameter()
{
    externParameterFlags = 0;
}

void setExternParameterAlias()
{
    externParameterFlags |= parameterAlias;
}

void takeExternParameterType()
{
    declaredType = currentType;
    externParameterClass = currentClassIndex;
}

void checkExternParameterDefault()
{
    externParameterFlags |= parameterDefaulted;
    checkAssignment(declaredType, currentType);
}

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

void beginExternClass()
{
    currentType = typeClass;
    // what an earlier declaration of the head left does not carry over
    currentKind = kindDeclaration;
    staticModifier = 0;
}

void takeExternClassName()
{
    currentIdentifier = qualifiedClassName;
    currentType = typeJava;
}

void declareExternClass()
{
    int type = currentType;
    setCodeBuffer(currentIdentifier);   // a duplicate is reported by its full name
    declareVariable(0);
    openExternClasses.push_back({symbolTable.currentClass, inClass});
    symbolTable.beginClass(currentIdentifier);
    symbolTable.currentClass->typeCode = type;
}

void setExternParent(const std::string& name)
{
    symbolTable.setParentClass(name);
}

void reportExtraParent()
{
    reportError(Msg::multipleInheritance);
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

int externClassDepth()
{
    return static_cast<int>(openExternClasses.size());
}

// --- Qualified class names

void setJavaClassName(const std::string& prefix, const std::string& name)
{
    qualifiedClassName = prefix + name;
}

void appendQualifiedName(const std::string& part)
{
    qualifiedClassName += "." + part;
}
