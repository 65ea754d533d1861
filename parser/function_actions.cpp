#include "parser/function_actions.h"

#include <vector>

#include "emit/emit.h"
#include "emit/functions.h"
#include "parser/class_actions.h"
#include "parser/declaration_actions.h"
#include "parser/state.h"
#include "semantic/php_names.h"
#include "semantic/semantic.h"

int functionBodyOpen = 0;

namespace {
std::vector<ParameterText> parameters;
ParameterText parameter;
int parameterFlags = 0;
int aliasMark = 0;
int headWritten = 0;
// The function's own "static": the body's declarations reset the modifier.
uint32_t functionStaticMark = 0;
// The constructor being defined called its parent's already.
bool parentConstructorCalled = false;
// The line of the function's head.
int functionLine = 0;

// functionParameter: a name PHP keeps for a superglobal array
bool isSuperglobalName(const std::string& name)
{
    static const char* const names[] = {"GLOBALS", "_SERVER", "_GET", "_POST", "_FILES",
                                        "_COOKIE", "_SESSION", "_REQUEST", "_ENV"};
    for (const char* superglobal : names)
        if (name == superglobal)
            return true;
    return false;
}
}

// functionDefinition: a name PHP has as a function or reserved word already
bool isPhpOwnFunctionName(const std::string& name)
{
    return isPhpFunctionName(name) || isPhpReservedWord(name);
}

// classHeader: a name PHP has as a class or reserved word already
bool isPhpOwnClassName(const std::string& name)
{
    return isPhpClassName(name) || isPhpReservedClassName(name) || isPhpReservedWord(name);
}

// sourceFile, webPage: at the start, no function open
// writes nothing; clears what a function left half done
void resetFunctionState()
{
    functionBodyOpen = 0;
    headWritten = 0;
    inConstructor = 0;
    parameters.clear();
    parentConstructorCalled = false;
}

// --- Head

// functionDefinition: typeSpec, then (comma typeSpec)* identifierName functionHead ...
// writes: "function "; opens the function's record and its local scope
void beginFunction()
{
    emitText("function ");
    inFunction = 1;
    symbolTable.locals.clear();
    symbolTable.functionGlobals.clear();
    symbolTable.savedGeneratorCounter = static_cast<unsigned>(generatorCounter);
    ++symbolTable.scopeCounter;
    symbolTable.updateScopeCounterText();
    currentFunction = new FunctionRecord();
    functionLine = lineNumber;
    currentFunction->addReturnType(currentType);
    // a class type left its class (or a negative mark) in currentClassIndex
    if (currentType == typeObject)
        currentFunction->resultClassIndex = currentClassIndex;
    functionStaticMark = inClass ? static_cast<uint32_t>(staticModifier) : 0;
    currentFunction->visibility = inClass ? memberVisibility : visibilityPublic;
    staticMethodMarker = static_cast<int>(functionStaticMark);
    // known from the head on: the body may call the method itself
    currentFunction->staticMark = functionStaticMark;
    inConstructor = 0;
    functionBodyOpen = 0;
    headWritten = 0;
    parameters.clear();
    parentConstructorCalled = false;
}

// functionDefinition: (comma typeSpec)*
// writes nothing; adds a further result type
void addResultType()
{
    currentFunction->addReturnType(currentType);
}

// functionDefinition: identifierName, after the result types
// writes: the name, or __construct for a constructor; checks: no PHP function
// or fixed PHP method of that name ("already declared in builtins")
void nameFunction()
{
    const std::string name = currentIdentifier;
    if (methodTable.findGlobalFunction(name) || (!inClass && isPhpOwnFunctionName(name)))
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    currentFunction->name = name;
    if (inClass) {
        inConstructor = symbolTable.isConstructor(currentFunction) ? 1 : 0;
        // PHP's own class fixes its methods' signatures, and makes some final
        if (!inConstructor && symbolTable.inheritsPhpMethod(symbolTable.currentClass, name))
            reportAlreadyDeclaredIn(Msg::scopeBuiltins);
        emitText(inConstructor ? "__construct" : name);
    } else {
        declareFunctionName();
        inConstructor = 0;
        emitText(name);
    }
}

// --- Parameters

// functionHead: "(" functionParameterList ")", before it
// writes nothing; no parameters yet
void beginParameters()
{
    deferredText.clear();
    parameters.clear();
}

// functionParameter: ("const")? ("alias")? (variableType | classType) ...
// writes nothing; a plain parameter with no marks to start with
void beginParameter()
{
    aliasMark = 0;
    currentKind = kindDeclaration;
    namedTypeFlag = 0;
    parameterFlags = 0;
    parameter = ParameterText();
}

// functionParameter: "alias", before or after the type
// writes nothing; the parameter is written &$name, passed by reference
void aliasParameter()
{
    aliasMark = 1;
    parameterFlags |= parameterAlias;
}

// functionParameter: classType
// writes nothing; a defined type name makes the parameter a function
void classParameterType()
{
    if (namedTypeFlag)
        currentType = typeFunction;
}

// functionParameter: (variableType ("[" "]")* | classType)
// writes nothing; keeps the parameter's type
void parameterType()
{
    declaredType = currentType;
}

// functionParameter: identifierName ("[" "]")*
// writes nothing; the parameter is $name (&$name), declared as a local;
// checks: it is no superglobal of PHP ("already declared in builtins")
void parameterName()
{
    parameter.name = std::string(aliasMark ? "&" : "") + "$" + currentIdentifier;
    // PHP refuses a parameter that would replace one of its own arrays.
    if (isSuperglobalName(currentIdentifier) && currentIdentifier != "GLOBALS")
        reportAlreadyDeclaredIn(Msg::scopeBuiltins);
    currentType = declaredType;
    declareVariable(symbolAssigned);
    // A "const" parameter is read-only, and still a PHP variable.
    SymbolList& locals = symbolTable.locals;
    if (currentKind == kindConstant && !locals.empty() && locals.back()->name == currentIdentifier)
        locals.back()->setPhpText("$" + currentIdentifier);
}

// functionParameter: "=" expression, before the expression
void beginParameterDefault()
{
    // A global named in a default gets no "global" line: it would stand
    // inside the parameter list.
    inParameterList = 1;
}

// functionParameter: "=" expression
// writes nothing; keeps =value for the head (nil as null or array());
// checks: a constant value PHP takes (code 5) that fits the type
void parameterDefault()
{
    inParameterList = 0;
    std::string text = currentExpression();
    if (currentType == typeNil)
        text = isArrayKind(declaredType) ? "array()" : "null";
    if (text.empty()) {
        // the value failed to parse, and was reported
    } else if (!isConstantExpressionText(text)) {
        // PHP takes only a constant expression there.
        reportError(Msg::featureNotHere);
    } else {
        parameter.defaultText = "=" + text;
    }
    parameterFlags |= parameterDefaulted;
    checkAssignment(declaredType, currentType);
}

// functionParameter: at its end
// writes nothing; adds the parameter (in a constructor "= 0" when it has no default)
void finishParameter()
{
    inParameterList = 0;
    if (!(parameterFlags & parameterDefaulted) && inConstructor)
        parameter.defaultText = "= 0";
    currentFunction->addParameter(declaredType, namedTypeFlag | parameterFlags, 0);
    if (namedTypeFlag && namedValue)
        currentFunction->addFunctionParameter(namedValue, currentIdentifier);
    else
        currentFunction->addFunctionParameter(nullptr, currentIdentifier);
    parameters.push_back(parameter);
}

// functionParameterList: functionParameter (comma functionParameter)*
// writes nothing; the head's deferred text gets ","
void nextParameter()
{
    deferredText += ",";
}

namespace {
// Whether PHP takes `method` in place of the parent's `inherited`: as
// static or not as that one, at least as visible, with its parameters
// (passed the same way) and any further ones optional.
bool overridesCompatibly(const FunctionRecord& method, const FunctionRecord& inherited,
                         const std::vector<ParameterText>& texts)
{
    if ((method.staticMark != 0) != (inherited.staticMark != 0))
        return false;
    auto rank = [](int visibility) {
        return visibility == visibilityPrivate ? 2 : visibility == visibilityProtected ? 1 : 0;
    };
    if (rank(method.visibility) > rank(inherited.visibility))
        return false;
    size_t own = method.parameterTypes.size();
    size_t theirs = inherited.parameterTypes.size();
    if (own < theirs)
        return false;
    for (size_t i = 0; i < theirs; ++i)
        if ((method.parameterTypes[i] & parameterAlias) != (inherited.parameterTypes[i] & parameterAlias))
            return false;
    for (size_t i = theirs; i < own; ++i)
        if (i >= texts.size() || texts[i].defaultText.empty())
            return false;
    return true;
}

// functionHead: ")" of a method
// checks: the method can stand for the parent's ("already declared", code 35)
void checkOverride()
{
    std::string owner;
    FunctionRecord* inherited = symbolTable.findInheritedMethod(currentFunction->name, owner);
    if (!inherited || inherited->visibility == visibilityPrivate || inConstructor)
        return;
    // PHP refuses a method that cannot stand for the parent's.
    if (!overridesCompatibly(*currentFunction, *inherited, parameters))
        reportErrorName(Msg::alreadyDeclared, currentFunction->name);
}
}

// functionHead: "(" functionParameterList ")", or after a syntax error in it
// writes: ($a,$b="x"), a default dropped when a required parameter follows;
// checks: a method is not declared twice in its class (code 35)
void finishParameters()
{
    inParameterList = 0;
    if (headWritten)
        return;
    headWritten = 1;
    deferredText = parameterListText(parameters);
    emitText("(" + deferredText + ")");
    if (inClass) {
        ClassRecord* owner = symbolTable.currentClass;
        if (owner && owner->findMethodIgnoreCase(currentFunction->name) >= 0)
            // PHP cannot declare a method twice, whatever the case.
            reportErrorName(Msg::alreadyDeclared, currentFunction->name);
        else if (owner) {
            checkOverride();
            owner->addMethod(currentFunction);
        }
    } else {
        symbolTable.addFunction(currentFunction);
    }
}

// --- Body

namespace {
// functionDefinition: the body of a constructor
// writes: parent::__construct(); for a generated parent constructor, then the
// lines that give the attributes their values
// A constructor starts with the parent's when that one is generated: it
// creates the parent's attributes, which nothing else would.
void beginConstructorBody()
{
    const std::string& parent = symbolTable.parentClassName;
    // a parent declared further down: checked once it is known
    if (parentDeclaredLater())
        noteConstructorBeforeParent(functionLine);
    parentConstructorCalled = !parent.empty() && runsGeneratedConstructor(parent);
    if (parentConstructorCalled)
        emitIndented("parent::__construct();\n");
    symbolTable.flushConstructorLines();
}
}

// functionDefinition: functionHead (":" | EOL), a body on lines of its own
// writes: { and a line end, then a constructor's first lines
void openFunctionBlock()
{
    emitIndented("{");
    indentMore();
    emitNewline();
    functionBodyOpen = 1;
    if (inConstructor)
        beginConstructorBody();
}

// functionDefinition: functionHead (("let" | "?") EOL?)? returnStatement
// writes: a line end and { on a line of its own, then the indent of the return
void openOneLineBody()
{
    emitOpenBrace();
    indentMore();
    functionBodyOpen = 1;
    // The attributes' lines belong to a one-line constructor as well: the
    // class would otherwise get a second, generated one.
    if (inConstructor)
        beginConstructorBody();
    emitIndent();
}

// functionDefinition: ... returnStatement, at its end
// writes: } on its own line; leaves the function's scope
void closeFunction()
{
    indentLess();
    emitCloseBrace();
    inFunction = 0;
    --symbolTable.scopeCounter;
    generatorCounter = static_cast<int>(symbolTable.savedGeneratorCounter);
    if (currentFunction)
        currentFunction->staticMark = functionStaticMark;
    newlineState = 0;
    staticMethodMarker = 0;
    inConstructor = 0;
    inParameterList = 0;
    functionBodyOpen = 0;
}

// functionDefinition: after a syntax error in it
// writes: () and { where the head or the body was not written, then }
void closeFunctionAfterError()
{
    if (!headWritten) {
        headWritten = 1;
        emitText("()");
    }
    if (!functionBodyOpen) {
        emitOpenBrace();
        indentMore();
    }
    // A block left open inside the body ends with the function.
    while (blockDepth >= 0)
        symbolTable.leaveBlockScope();
    closeFunction();
}

// --- Return statements

namespace {
// returnStatement: the values returned so far are forgotten
void clearReturned()
{
    currentFunction->returnedTypes.clear();
    currentFunction->cursor = 0;
}
}

// returnStatement: "return"
// checks: a function is open ("return misplaced", code 13)
void checkReturnPlace()
{
    // Outside a function there is nothing to return to.
    if (!inFunction)
        reportError(Msg::returnMisplaced);
}

// returnStatement: "return", with no value
// writes: return; checks: the function returns void
void returnNothing()
{
    emitText("return");
    if (!currentFunction || !inFunction)
        return;
    clearReturned();
    currentFunction->addReturnedType(typeVoid);
    currentFunction->checkReturnedValues();
}

// returnStatement: "return" expression, before the expression
void beginReturnValue()
{
    resetExpressions();
    if (currentFunction)
        currentFunction->cursor = 0;
}

namespace {
// returnStatement: expression ...
// The record a return is checked against: none outside a function.
FunctionRecord* returnedFunction()
{
    return inFunction ? currentFunction : nullptr;
}
}

// returnStatement: "return" expression
// return with one value:  return v
// writes: return v; and for nil the declared result type's empty value,
// "" for a text, array() for an array (as a variable of that type compares
// with nil), false for any other type
void returnOneValue()
{
    emitText("return ");
    if (!returnedFunction()) {
        emitCurrentExpression();
        return;
    }
    clearReturned();
    if (currentType == typeTuple && currentFunction->returnTypes.size() >= 2) {
        // the several results of a call are returned as they came
        emitCurrentExpression();
        return;
    }
    int declared = currentFunction->returnTypeAt();
    if (currentType == typeNil)
        emitString(defaultValueOf(declared));
    else if (needsIntval(declared, currentType))
        emitString(wrapIntval(currentExpression()));
    else
        emitCurrentExpression();
    currentFunction->addReturnedType(currentType);
    currentFunction->checkReturnedValues();
}

// returnStatement: "return" expression (emittedComma expression)+, the first value
// writes: return array( and the first value, nil as its default, intVal(v) for
// an integer result
void returnFirstOfSeveral()
{
    emitText("return array(");
    if (!returnedFunction()) {
        emitCurrentExpression();
        return;
    }
    clearReturned();
    emitReturnValue();
}

// returnStatement: emittedComma expression, a further value
// writes: the value (after the "," the rule wrote), nil as its default
void returnNextValue()
{
    if (returnedFunction())
        emitReturnValue();
    else
        emitCurrentExpression();
}

// returnStatement: (emittedComma expression)+, at its end
// writes: ); checks: the values match the result types
void finishSeveralValues()
{
    emitText(")");
    if (returnedFunction())
        currentFunction->checkReturnedValues();
}

// --- Super-constructor calls

namespace {
int superLevel = 0;
bool superOpen = false;
}

// superConstructorCall: "super" "(" argumentList ")", before the arguments
// writes nothing; opens a call frame for the parent's constructor;
// checks: directly in a method of a class with a parent ("cannot be used here")
void beginSuperCall()
{
    clearExpression();
    pushCallFrame();
    superOpen = true;
    superLevel = exprLevel;
    const std::string& parent = symbolTable.parentClassName;
    // Only directly in a method of a class that has a parent.
    if (!inClass || !inFunction || inBlockScope || parent.empty())
        reportErrorName(Msg::cannotBeUsedHere, ": super");
    if (parentDeclaredLater()) {
        // checked at the end of the file, once the parent is known
        currentCall = new FunctionRecord(parent);
        currentCall->unchecked = true;
        return;
    }
    currentCall = parent.empty() ? new FunctionRecord() : symbolTable.findConstructor(parent);
    if (currentCall->name == unknownName)
        currentCall->name = parent;
}

// superConstructorCall: "super" "(" argumentList ")"
// writes: parent::__construct(args) when the parent chain has a constructor;
// checks: the arguments fit the parent's constructor
void finishSuperCall()
{
    superOpen = false;
    const std::string& parent = symbolTable.parentClassName;
    std::string arguments = currentExpression();
    currentCall->checkArguments(true);
    bool later = parentDeclaredLater();
    if (later)
        noteSuperCallBeforeParent(currentCall->argumentTypes);
    popCallFrame();
    emitIndent();
    // No constructor along the parent chain: PHP would have none to call.
    // A generated one was called when the constructor began.
    bool called = inConstructor && parentConstructorCalled && arguments.empty();
    if (!parent.empty() && (classHasConstructor(parent) || later) && !called)
        emitString("parent::__construct(" + arguments + ")");
}

// superConstructorCall: after a syntax error in it
// writes nothing; drops the call frame and the levels the call opened
void abandonSuperCall()
{
    if (!superOpen)
        return;
    superOpen = false;
    while (exprLevel > superLevel)
        popExpression();
    clearExpression();
    popCallFrame();
}
