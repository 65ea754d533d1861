#include "parser/call_actions.h"

#include <cctype>

#include "emit/calls.h"
#include "emit/emit.h"
#include "parser/class_actions.h"
#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {

// The next function call is a statement of its own.
bool callStatementPending = false;

// The last chain step called a method of an object whose class is not
// known here: its result, typed var, is such an object too.
bool uncheckedObjectResult = false;

enum class Receiver { none, rejected, object, java, className, predefined };

// memberElement: which methods a receiver of this type has
Receiver receiverOf(int type)
{
    if (isTypedArray(type))
        return Receiver::predefined;
    switch (type) {
    case typeUnknown:
        return Receiver::none;
    case typeObject:
        return Receiver::object;
    case typeJava:
        return Receiver::java;
    case typeClass:
        return Receiver::className;
    // A list has the array methods and a natural its own rows.
    case typeBoolean: case typeNumber: case typeInteger: case typeReal: case typeNatural:
    case typeText: case typeArray: case typeDict: case typeFile: case typeDir: case typeVar:
    case typeList: case typeFunction:
        return Receiver::predefined;
    default:
        return Receiver::rejected;
    }
}

// functionCall, memberElement: what a bad call gives back
void beginScope(CallScope& call, bool memberStep)
{
    call.active = true;
    call.memberStep = memberStep;
    call.level = exprLevel;
    call.references = referenceDepth();
}

// functionCall, memberElement: a user callee keeps its own argument list
// while a call in its arguments is checked
void bracketArguments(CallScope& call, FunctionRecord* record)
{
    record->beginArguments();
    call.bracketed = record;
}

// functionCall, memberElement: ... ")", the callee's own argument list closes
void endBracket(CallScope& call)
{
    if (call.bracketed) {
        call.bracketed->endArguments();
        call.bracketed = nullptr;
    }
}

// functionCall, memberElement: ... ")" of a user function or method
// A user function's or method's check: its argument count and types, and
// what its result is.
void checkUserCall()
{
    // a method not found was reported: its empty record checks nothing
    if (currentCall->name != unknownName)
        currentCall->checkArguments(true);
    referenceAccessKind = currentCall->returnTypes.size() >= 2 ? accessMultiValueCall : accessElementOrCall;
    currentType = currentCall->resultType();
}

// functionCall, memberElement: ... ")" of a method read ahead
// A call of a method defined further down, checked against its head when
// all its parameters were read; the class's end checks it once more.
void checkLaterMethodCall(const MethodHead& head)
{
    if (head.parametersRead) {
        checkUserCall();
        return;
    }
    referenceAccessKind = currentCall->returnTypes.size() >= 2 ? accessMultiValueCall : accessElementOrCall;
    currentType = currentCall->resultType();
}

// argument: the text is a bare $name (a function passed so is written "name")
bool isPlainVariableName(const std::string& text)
{
    if (text.size() < 2 || text[0] != '$')
        return false;
    for (size_t i = 1; i < text.size(); ++i) {
        char c = text[i];
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' ||
              static_cast<unsigned char>(c) >= 0x80))
            return false;
    }
    return true;
}

// memberElement: ... ")", for the chain's next step
// The class a member chain goes on in after a call of `record`: that of its
// object result when it is a class declared in the program.
int resultClassOf(const FunctionRecord* record)
{
    int index = record ? record->resultClassIndex : -1;
    if (currentType != typeObject || index < 0 || index >= static_cast<int>(classTable.size()))
        return -1;
    return classTable[static_cast<size_t>(index)]->typeCode == typeClass ? index : -1;
}

// argument: the callee takes this one by reference ("alias")
bool isAliasParameter()
{
    if (!currentCall || currentCall->cursor < 0 ||
        currentCall->cursor >= static_cast<int>(currentCall->parameterTypes.size()))
        return false;
    return (currentCall->parameterTypes[static_cast<size_t>(currentCall->cursor)] & parameterAlias) != 0;
}

}  // namespace

// callOperand, literalMethodOperand, memberCallOperand, silentCallOperand:
// held for the operand, so that its call frame and the range and slice
// bounds read around it are given back however it ends
CallFrameScope::CallFrameScope(bool active) : active_(active)
{
    if (active_)
        pushCallFrame();
}

CallFrameScope::~CallFrameScope()
{
    if (!active_)
        return;
    popCallFrame();
    bounds_.restore();
}

RangeBounds::RangeBounds()
    : start(rangeStart), end(rangeEnd), sliceStart(::sliceStart), sliceEnd(::sliceEnd),
      inclusive(rangeInclusive)
{
}

void RangeBounds::restore() const
{
    rangeStart = start;
    rangeEnd = end;
    ::sliceStart = sliceStart;
    ::sliceEnd = sliceEnd;
    rangeInclusive = inclusive;
}

// literalMethodCall, objectMemberChain: held for the chain, so that a broken
// one leaves no expression levels behind
ChainScope::ChainScope(bool active) : active_(active), level_(exprLevel) {}

ChainScope::~ChainScope()
{
    if (!active_)
        return;
    while (exprLevel > level_)
        popExpression();
}

// --- Function calls

namespace {
// beginFunctionCall: what the name in memberName calls: a predefined
// function (its PHP name), a class (new C), a user function, $this->m or
// self::m, or an unknown name
void findCallee(CallScope& call, const TokenPeek* ahead)
{
    callForm = FunctionForm::plain;
    currentType = typeVar;
    currentIdentifier = "?";
    symbolTable.functionVariable = 0;
    if (methodTable.findGlobalFunction(memberName)) {
        callKind = callPredefinedFunction;
        currentCall = new FunctionRecord(memberName);
        const BuiltinEntry& row = globalFunctionRow(methodTable.found);
        memberName = textOrFalse(row) ? std::string("strval(") + row.phpName : row.phpName;
        callForm = row.special;
        methodTable.pushFunctionParameters();
        calleeIndex = methodTable.found;
    } else if (symbolTable.isClassName(memberName)) {
        calleeIndex = symbolTable.found;
        // an inherited constructor keeps its name: the record is its class's
        currentCall = symbolTable.findConstructor(memberName);
        if (currentCall->name == unknownName)
            currentCall->name = memberName;
        callKind = callConstructor;
        callPrefix = newPrefix;
        bracketArguments(call, currentCall);
    } else {
        // A predefined function or a class is no member of the class it is
        // called in; a member is called through $this.
        callPrefix = memberCallPrefix(memberName);
        currentCall = symbolTable.findFunction(memberName);
        if (currentCall->name == unknownName && inFunction && currentFunction)
            currentCall = currentFunction->findFunctionParameter(memberName);
        const MethodHead* later = nullptr;
        if (currentCall->name == unknownName && inFunction && callPrefix.empty() &&
            !symbolTable.functionVariable && !symbolTable.hasLocalNamed(memberName))
            later = methodDefinedLater(memberName, ahead);
        if (later) {
            bool isStatic = later->record->staticMark != 0;
            // as for a method known already (isInstanceMember)
            if (!isStatic && staticMethodMarker)
                reportError(Msg::staticUsesDynamicAttribute);
            callPrefix = isStatic ? "self::" : "$this->";
            currentCall = later->record;
            call.laterMethod = later;
            call.line = lineNumber;
            callKind = callUserFunction;
            bracketArguments(call, currentCall);
        } else if (currentCall->name == unknownName) {
            if (inClass && inFunction && callPrefix.empty() && !symbolTable.functionVariable)
                noteBareCallInClass(memberName, lineNumber);
            currentCall->name = memberName;
            currentType = typeVar;
            callKind = callUnknownFunction;
        } else {
            callKind = callUserFunction;
            bracketArguments(call, currentCall);
        }
    }
}
}

// functionCall: ID "(" argumentList ")", after the name
// writes nothing; opens an expression level for the call and finds what the
// name calls
void beginFunctionCall(CallScope& call, const std::string& name, const TokenPeek* ahead)
{
    beginScope(call, false);
    call.asStatement = callStatementPending;
    callStatementPending = false;
    pushExpression();
    literalReceiver = 0;
    memberName = name;
    // set once the name is known to call a user function or method
    callPrefix = "";
    findCallee(call, ahead);
}

// functionCall: ID "(", before argumentList
// writes: name(, new C(, $this->m(, $f( for a function variable, @ first after "@"
void openCallArguments(CallScope&)
{
    clearExpression();
    // "@" silences the whole call: it stands before "new", "$" and "$this->".
    std::string silent = silentCall ? "@" : "";
    std::string text;
    if (symbolTable.functionVariable) {
        symbolTable.functionVariable = 0;
        text = silent + (callPrefix.empty() ? "$" + memberName : "(" + callPrefix + memberName + ")") +
               "(";
    } else if (builtFromArguments(callForm)) {
        // written whole from the arguments after the list
    } else if (callForm == FunctionForm::callOpenedByName) {
        text = silent + memberName;
    } else {
        text = silent + callPrefix + memberName + "(";
    }
    exprAppend(text);
    argumentIndex = static_cast<int>(callForm);
    pushReference();
    leadingComma = 0;
}

// functionCall: ... argumentList ")"
// writes: ), or the inline form (swap: $_I1=$a;$a=$b;$b=$_I1;, sign, plural);
// checks: the arguments fit the callee; swap only as a statement (code 5)
void finishFunctionCall(CallScope& call)
{
    popReference();
    callForm = static_cast<FunctionForm>(argumentIndex);
    // The inline forms are built from the arguments as the frame stores them.
    std::string first, second;
    if (builtFromArguments(callForm)) {
        first = callArgument(0);
        second = callArgument(1);
    }
    switch (callForm) {
    case FunctionForm::swapByTemporary:
        clearExpression();
        if (!call.asStatement) {
            // three assignments are no value
            reportError(Msg::featureNotHere);
            exprAppendText("null");
        } else if (callArgumentCount() == 2 && (!isVariableText(first) || !isVariableText(second))) {
            reportErrorName(Msg::badArguments, "swap");
        } else {
            incGenerator();
            exprAppend(swapText(newTempName(), first, second));
            decGenerator();
        }
        popExpressionAppend();
        break;
    case FunctionForm::signOfValue:
        clearExpression();
        popExpressionAppend();
        exprAppend(signText(first));
        break;
    case FunctionForm::pluralSuffix:
        clearExpression();
        popExpressionAppend();
        exprAppend(pluralText(first));
        break;
    default:
        popExpressionAppend();
        exprAppendText(callKind == callPredefinedFunction && textOrFalse(globalFunctionRow(calleeIndex))
                           ? "))"
                           : ")");
        break;
    }
    referenceAccessKind = accessElementOrCall;
    switch (callKind) {
    case callUserFunction:
        if (call.laterMethod) {
            checkLaterMethodCall(*call.laterMethod);
            noteCallOfMethodDefinedLater(*call.laterMethod, call.line);
        } else {
            checkUserCall();
        }
        break;
    case callPredefinedFunction:
        methodTable.checkFunctionArguments(calleeIndex);
        currentType = globalFunctionRow(calleeIndex).result;
        break;
    case callUnknownFunction:
        currentType = typeVar;
        break;
    case callConstructor:
        symbolTable.found = calleeIndex;
        if (symbolTable.foundClassType() != typeJava)
            currentCall->checkArguments(true);
        currentType = typeObject;
        currentClassIndex = calleeIndex;
        break;
    default:
        internalError(5007);
        break;
    }
    endBracket(call);
    silentCall = 0;
}

// functionCall, memberElement: after a syntax error in the call
// writes: null in place of a function call; reports "bad call syntax" once for
// the token where the nested calls broke
void abandonCall(CallScope& call, bool report)
{
    if (report)
        reportBadSyntax(Msg::wordCall);
    silentCall = 0;
    leadingComma = 0;
    if (!call.active)
        return;
    restoreReferenceDepth(call.references);
    while (exprLevel > call.level)
        popExpression();
    // A chain goes on from its level, emptied as after a step, with the
    // receiver as it was; a function call leaves a value in its place.
    if (call.memberStep)
        clearExpression();
    else
        exprAppendText("null");
    endBracket(call);
    call.active = false;
}

// --- Arguments

// argumentList: argument (commaSeparator argument)*
// writes: "," after a receiver written first; no argument types yet
void beginArgumentList()
{
    if (leadingComma)
        exprAppendChar(',');
    if (currentCall) {
        currentCall->argumentTypes.clear();
        currentCall->cursor = 0;
    }
}

// argumentList: (empty)
// writes nothing; no argument types
void emptyArgumentList()
{
    if (currentCall) {
        currentCall->argumentTypes.clear();
        currentCall->cursor = 0;
    }
    leadingComma = 0;
}

// argumentList: ... at its end
void endArgumentList() { leadingComma = 0; }

// argument: ("alias")? expression, before the expression
// writes nothing; opens a level, typed by the parameter it stands for
void beginArgument()
{
    pushExpression();
    lvalueFlag = currentCall ? currentCall->parameterTypeAt() : 0;
}

// argument: ("alias")? expression
// writes: the argument, intVal(a) for an integer parameter, "f" for a function
// passed by name; checks: an alias argument is a variable ("bad argument in")
void finishArgument(bool alias)
{
    int parameter = currentCall ? currentCall->parameterTypeAt() : 0;
    std::string text = currentExpression();
    bool aliasParameter = isAliasParameter();
    if ((alias || aliasParameter) && !isVariableText(text))
        reportErrorName(Msg::badArgumentIn, currentCall->name);
    // A reference is the parameter's: PHP takes the variable as it is.
    if (!alias && !aliasParameter) {
        if (currentType == typeFunction && isPlainVariableName(text)) {
            std::string name = text.substr(1);
            if (!symbolTable.hasLocalNamed(name))
                text = "\"" + name + "\"";
        }
        if (needsIntval(parameter, currentType))
            text = wrapIntval(text);
    }
    addCallArgument(text);
    popExpression();
    exprAppend(text);
    if (currentCall) {
        currentCall->addArgumentType(currentType);
        ++currentCall->cursor;
    }
}

// --- Member calls

// literalMethodCall: literalValue ("." memberElement)+, after the literal
// writes nothing; opens a level for the chain, the literal's PHP text its receiver
void beginLiteralChain()
{
    pushExpression();
    uncheckedObjectResult = false;
    literalReceiver = 1;
    staticAccess = 0;
    ownerClassIndex = -1;
    // the literal as it is written anywhere else
    setCodeBuffer(phpLiteralText(currentIdentifier, currentType));
}

// objectMemberChain: identifierReference "." ..., before the first reference
// writes nothing; opens a level for the chain, with an empty receiver
void beginObjectChain()
{
    uncheckedObjectResult = false;
    pushExpression();
    setCodeBuffer("");
    staticAccess = 0;
    literalReceiver = 0;
    referenceSegmentCount = 0;
    ownerClassIndex = -1;
}

// objectMemberChain: identifierReference "." identifierReference
// writes: -> between the segments, or :: after a class name
void joinChainSegment() { appendCodeBuffer(staticAccess ? "::" : "->"); }

// objectMemberChain: ... "." memberElement, before the first call
void beginChainCalls()
{
    currentIdentifier = memberName;
    clearExpression();
}

// literalMethodCall, objectMemberChain: at the end of the chain
// writes: the chain's text, into the level below
void finishCallChain()
{
    popExpression();
    exprAppend(codeBuffer);
}

// memberElement: ID "(" argumentList ")", the ID
// writes nothing; takes the method's name, no arguments yet
void beginMemberCall(CallScope& call, const std::string& name)
{
    beginScope(call, true);
    memberName = name;
    // this step's arguments, not the previous step's
    clearCallArguments();
}

// memberElement: ID "(", before argumentList
// writes: $o->m(, C::m(, or the predefined method's PHP opening (strtoupper($s
// and the like); checks: the receiver's type or class has the method (code 33)
void openMemberCall(CallScope& call, const TokenPeek* ahead)
{
    int type = currentType;
    call.receiver = codeBuffer;
    call.receiverIsVariable = !literalReceiver && isVariableText(codeBuffer);
    call.receiverType = type;
    call.form = nullptr;
    call.row = -1;
    call.storesInReceiver = true;
    call.uncheckedObject = false;
    Receiver receiver = receiverOf(type);
    bool uncheckedObject = uncheckedObjectResult && type == typeVar;
    uncheckedObjectResult = false;
    if (uncheckedObject)
        receiver = Receiver::object;
    calleeIndex = -1;
    switch (receiver) {
    case Receiver::rejected:
        reportErrorName(Msg::methodNotFound, currentIdentifier);
        receiver = Receiver::none;
        currentCall = new FunctionRecord();
        break;
    case Receiver::none:
        currentCall = new FunctionRecord();
        break;
    case Receiver::object:
        if (ownerClassIndex >= 0)
            ownerClassName = symbolTable.className(ownerClassIndex);
        if (ownerClassName.empty() || uncheckedObject) {
            // the result of a call: its class is not known here
            receiver = Receiver::java;
            call.uncheckedObject = true;
            currentCall = new FunctionRecord(memberName);
        } else if (const MethodHead* later = laterMethodOfClass(ownerClassName, memberName, ahead)) {
            currentCall = later->record;
            call.laterMethod = later;
            call.line = lineNumber;
        } else {
            currentCall = symbolTable.findMethod(ownerClassName, memberName, true);
        }
        break;
    case Receiver::java:
        currentCall = new FunctionRecord(memberName);
        break;
    case Receiver::className: {
        if (const MethodHead* later = laterMethodOfClass(currentIdentifier, memberName, ahead)) {
            currentCall = later->record;
            call.laterMethod = later;
            call.line = lineNumber;
        } else {
            currentCall = symbolTable.findMethod(currentIdentifier, memberName, true);
        }
        if (currentCall->name != unknownName && !currentCall->staticMark)
            reportError(Msg::staticUsesDynamicAttribute);
        break;
    }
    case Receiver::predefined:
        calleeIndex = methodTable.findForType(memberName, type == typeList ? typeArray : type);
        currentCall = new FunctionRecord();
        break;
    }

    std::string text;
    leadingComma = 0;
    callKind = callUserFunction;
    if (receiver == Receiver::className) {
        callKind = callMember;
        text = call.receiver + "::" + memberName;
    } else if (receiver == Receiver::none) {
        text = "";
    } else if (receiver != Receiver::predefined) {
        callKind = receiver == Receiver::java ? callJavaMember : callMember;
        text = call.receiver + "->" + memberName;
    } else if (calleeIndex < 0 || calleeIndex >= methodCount) {
        reportErrorName(Msg::methodNotFound, memberName);
        text = call.receiver;
    } else {
        callKind = callPredefinedMethod;
        call.row = calleeIndex;
        const BuiltinEntry& row = builtinTable[calleeIndex];
        if (row.argumentCount > maxCallArguments)
            internalError(5003);
        else
            for (int i = 0; i < row.argumentCount; ++i)
                currentCall->addParameter(typeVar, 0);
        call.form = memberCallForm(row.kind);
        bool needsVariable = false;
        if (!call.form) {
            text = call.receiver;
            unknownActionError(call.receiver, static_cast<int>(row.kind));
        } else {
            bool ok = true;
            text = memberCallOpening(*call.form, row.phpName, call.receiver, ok);
            if (!ok)
                internalError(5004);
            needsVariable = call.form->assignsReceiver || takesReceiverByReference(row.phpName);
        }
        // A literal takes no method that changes it; PHP stores into, or
        // passes by reference, only a variable.
        if ((literalReceiver && row.modifies) || (needsVariable && !call.receiverIsVariable)) {
            reportError(Msg::literalNotAllowed);
            call.storesInReceiver = false;
            text = withoutStore(text, call.receiver);
        } else if (row.modifies && symbolTable.find(currentIdentifier) >= 0)
            symbolTable.foundSymbol->flags |= symbolAssigned;
    }
    if (callKind == callMember)
        bracketArguments(call, currentCall);

    const MemberCallForm* form = call.form;
    if (form && form->errorCapture)
        exprAppendText("$error=(");
    exprAppend(text + "(");
    if (form && form->receiverFirst) {
        exprAppend(call.receiver);
        leadingComma = 1;
    }
    argumentIndex = (form ? static_cast<int>(form->form) : 0) + (form && form->receiverLast ? 32 : 0) +
                    (form && form->suffix ? 64 : 0);
    pushReference();
}

// memberElement: a predefined method that stores into its receiver
// The text of a form that stores into its receiver, without the store.
std::string storeForm(const CallScope& call, const std::string& text)
{
    return call.storesInReceiver ? text : withoutStore(text, call.receiver);
}

// memberElement: ... argumentList ")"
// writes: ), or the predefined method's closing form (strval(...) for a result
// that may be false); checks: the arguments fit the method
void finishMemberCall(CallScope& call)
{
    popReference();
    const std::string& receiver = call.receiver;
    const MemberCallForm* form = call.form;
    // The fixed forms are built from the arguments as the frame stores them.
    std::string first, second;
    if (form && form->closing != CallClosing::common) {
        first = callArgument(0);
        second = callArgument(1);
    }
    bool checks = true;
    if (form) {
        const BuiltinEntry& row = builtinTable[call.row];
        switch (form->closing) {
        case CallClosing::arrayInsert:
            clearExpression();
            exprAppend(arrayInsertText(receiver, first, second,
                                       currentCall && currentCall->argumentTypes.size() >= 2
                                           ? currentCall->argumentTypes[1]
                                           : 0));
            break;
        case CallClosing::textSearch:
            clearExpression();
            exprAppend(textSearchText(row.phpName, receiver, first, second));
            break;
        case CallClosing::nonEmptyArray:
            clearExpression();
            exprAppend(nonEmptyArrayText(row.phpName, receiver));
            break;
        case CallClosing::asText:
            clearExpression();
            exprAppend(asTextText(row.phpName, receiver, first));
            break;
        case CallClosing::listValues:
            clearExpression();
            exprAppend(listValuesText(row.phpName, receiver, call.receiverType));
            break;
        case CallClosing::conversion:
            clearExpression();
            currentType = row.result;
            setCodeBuffer(receiver);
            checks = false;
            break;
        case CallClosing::arrayStore:
            clearExpression();
            translateFileStore(receiver, first, second != "false");
            break;
        case CallClosing::arrayPack:
            clearExpression();
            setCodeBuffer(arrayPackText(receiver));
            checks = false;
            break;
        case CallClosing::textInsert:
            clearExpression();
            exprAppend(storeForm(call, textInsertText(receiver, first, second)));
            break;
        case CallClosing::textReserve:
            clearExpression();
            exprAppend(storeForm(call, textReserveText(receiver, first)));
            break;
        case CallClosing::dictUnshift:
            setCodeBuffer(storeForm(call, dictUnshiftText(receiver, first, second)));
            clearExpression();
            checks = false;
            break;
        case CallClosing::common:
            exprAppend(memberCallClosing(*form, row.phpName, receiver, callArgumentCount() > 0));
            break;
        }
    } else {
        exprAppendText(")");
    }
    if (checks) {
        switch (callKind) {
        case callMember:
            if (call.laterMethod) {
                checkLaterMethodCall(*call.laterMethod);
                noteCallOfMethodDefinedLater(*call.laterMethod, call.line);
            } else {
                checkUserCall();
            }
            break;
        case callPredefinedMethod:
            if (call.row < 0 || call.row >= methodCount) {
                internalError(5005);
            } else {
                methodTable.checkMethodArguments(call.row);
                currentType = builtinTable[call.row].result;
                referenceAccessKind = accessElementOrCall;
                if (textOrFalse(builtinTable[call.row])) {
                    exprInsertAt(0, "strval(");
                    exprAppendText(")");
                }
            }
            break;
        case callJavaMember:
            currentType = typeVar;
            referenceAccessKind = accessElementOrCall;
            break;
        default:
            break;
        }
        setCodeBuffer(currentExpression());
        clearExpression();
    }
    endBracket(call);
    uncheckedObjectResult = call.uncheckedObject;
    // The next step's receiver is this result: no variable, and the class
    // of a user method's object result.
    staticAccess = 0;
    ownerClassIndex = checks && callKind == callMember ? resultClassOf(currentCall) : -1;
    ownerClassName.clear();
    call.active = false;
}

// objectMemberChain: ... "." ID, an attribute of a call's result
// writes: ->name, or ::$name for a static one; checks: the class has the
// attribute and it may be reached from here; the receiver is an object
void readResultAttribute(const std::string& name)
{
    // the receiver is what the step before named
    std::string receiverName = memberName;
    memberName = name;
    std::string text = codeBuffer;
    int receiverType = currentType;
    bool uncheckedObject = (uncheckedObjectResult && receiverType == typeVar) ||
                           receiverType == typeJava ||
                           (receiverType == typeObject && ownerClassIndex < 0);
    int owner = ownerClassIndex;
    uncheckedObjectResult = false;
    ownerClassIndex = -1;
    ownerClassName.clear();
    staticAccess = 0;
    referenceAccessKind = accessName;
    const char* join = "->";
    if (uncheckedObject) {
        // an object of a class not known here: so is what it holds
        uncheckedObjectResult = true;
        currentType = typeVar;
    } else if (receiverType == typeObject) {
        std::string ownerName = symbolTable.className(owner);
        std::string searched = ownerName;
        Symbol* attribute = symbolTable.findAttribute(ownerName, name);
        if (!attribute) {
            reportNotDeclared(searched + "." + name);
            currentType = 0;
        } else {
            symbolTable.checkMemberAccess(ownerName, attribute->visibility, name);
            currentType = static_cast<int>(attribute->flags & symbolTypeMask);
            if (currentType == typeObject)
                ownerClassIndex = attribute->classIndex;
            // PHP reads a static attribute through the object's class
            if (attribute->flags & symbolStatic)
                join = "::$";
        }
    } else if (receiverType != typeVar && receiverType != 0) {
        reportInstanceRequired(receiverName, typeName(receiverType));
        currentType = 0;
    }
    currentIdentifier = name;
    setCodeBuffer(text + join + name);
}

// --- Call operands and statements

// expressionStatement: a call, a member call or an assignment
// writes nothing; the statement starts with no target type and a fresh
// expression state
void beginExpressionStatement()
{
    lvalueFlag = 0;
    resetExpressions();
}

// atCallStatement: "@" functionCall
// writes nothing; the call is written with "@" before it
void markSilentCall() { silentCall = 1; }

// callStatement, atCallStatement: functionCall as a statement of its own
// writes nothing; the next call knows it is a statement
void beginCallStatement()
{
    resetExpressions();
    callStatementPending = true;
}

// --- The steps of the call rules

// atCallStatement: ATCHAR functionCall
// writes: @   before the call (its indentation first)
void beginSilentCallStatement()
{
    markSilentCall();
    emitIndent();
    beginCallStatement();
}
