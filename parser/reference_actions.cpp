#include "parser/reference_actions.h"

#include <cstring>


#include "emit/emit.h"
#include "parser/declaration_actions.h"
#include "parser/nesting.h"
#include "parser/state.h"
#include "semantic/php_names.h"
#include "semantic/semantic.h"

// --- Assignment statements

// assignmentStatement: lvalue (comma lvalue)* ..., before the first target
// writes nothing; empty target and value lists
void beginAssignment()
{
    resetAssignLists();
    resetExpressions();
    currentKind = kindAssignment;
    assignTargetCount = 1;
    returnedValueIndex = 0;
}

// assignedValue: initializerValue, and assignmentStatement: "?=" initializerValue
// writes nothing; the value is typed by the target at its position
void setValueTargetType()
{
    if (lvalueList.count <= 0)
        return;
    int position = rvalueList.count < lvalueList.count ? rvalueList.count : lvalueList.count - 1;
    initializerTargetType = lvalueList.entries[static_cast<size_t>(position)].type;
}

// --- References

// identifierReference: "[" bound "]", before the bound
// writes nothing; keeps the segment's state while the bound is built
void SegmentState::save()
{
    containerType = sliceContainerType;
    staticAccessValue = staticAccess;
    staticFlagValue = staticFlag;
    ownerName = ownerClassName;
    ownerIndex = ownerClassIndex;
    instanceMember = instanceMemberFlag;
    segmentCount = referenceSegmentCount;
    classIndex = currentClassIndex;
    targetMode = assignTargetMode;
    seen = sliceSeen;
    // The names of a bound are read, even in an assignment target.
    assignTargetMode = 0;
}

// identifierReference: "[" bound "]", after the bound
void SegmentState::restore() const
{
    sliceContainerType = containerType;
    staticAccess = staticAccessValue;
    staticFlag = staticFlagValue;
    ownerClassName = ownerName;
    ownerClassIndex = ownerIndex;
    instanceMemberFlag = instanceMember;
    referenceSegmentCount = segmentCount;
    currentClassIndex = classIndex;
    assignTargetMode = targetMode;
    sliceSeen = seen;
}

namespace {
// A text that must stand as it is: already a PHP variable, or a member
// reached through its class (self::$count).
bool isCompleteReference(const std::string& text)
{
    if (text.empty())
        return false;
    if (text[0] == '$')
        return true;
    for (size_t i = 1; i < text.size(); ++i)
        if (text[i] == ':' && text[i - 1] == ':')
            return true;
    return false;
}

// The prefix moved in front of the text in place: every name of an
// expression passes here, and a general insert costs several times more.
void prependToCodeBuffer(const char* prefix, size_t length)
{
    size_t size = codeBuffer.size();
    for (size_t i = 0; i < length; ++i)
        codeBuffer.push_back(' ');
    char* text = &codeBuffer[0];
    // Most names are a few bytes: moved without a library call.
    if (size <= 16) {
        for (size_t i = size; i > 0; --i)
            text[i - 1 + length] = text[i - 1];
    } else {
        std::memmove(text + length, text, size);
    }
    for (size_t i = 0; i < length; ++i)
        text[i] = prefix[i];
}

// "$" or "$this->" before the looked-up name in codeBuffer; constants and
// enumeration items stand as their bare name or value.
void prefixLookedUpName(int instanceMember)
{
    if (isConstantKind(currentKind)) {
        if (isPhpReservedWord(codeBuffer))
            codeBuffer = "constant(\"" + codeBuffer + "\")";
        return;
    }
    if (isCompleteReference(codeBuffer))
        return;
    if (instanceMember)
        prependToCodeBuffer("$this->", 7);
    else
        prependToCodeBuffer("$", 1);
}
}

// identifierReference: ID, one segment of a reference
// writes (in the code buffer): $name, $this->name, a constant's bare name, a
// class name, then ->name or Class::$name for a further segment
void beginSegment(const std::string& name)
{
    sliceSeen = 0;
    elementsAreArrays = 0;
    memberName = name;
    referenceAccessKind = accessName;
    rvalueFlag = 0;
    if (referenceSegmentCount < 1) {
        codeBuffer += memberName;
        currentIdentifier = memberName;
        if (symbolTable.isClassName(currentIdentifier)) {
            currentType = typeClass;
            instanceMemberFlag = 0;
            staticFlag = 1;
            ownerClassName = currentIdentifier;
            staticAccess = 1;
        } else {
            lookupIdentifierInExpression();
            instanceMemberFlag = isInstanceMember(currentIdentifier);
            staticFlag = 0;
            ownerClassName = symbolTable.classNameOfInstance(currentIdentifier, false);
            staticAccess = 0;
            prefixLookedUpName(instanceMemberFlag);
        }
    } else {
        // A member of a class is Class::$name; a member of what a segment
        // gave (a static attribute's object too) is ->name.
        if (staticAccess)
            codeBuffer += "$";
        else
            staticFlag = 0;
        codeBuffer += memberName;
        resolveClassMember();
        staticAccess = 0;
    }
    ++referenceSegmentCount;
    sliceContainerType = currentType;
}

// identifierReference: a text, or a char pointer
static bool isTextType(int type) { return type == typeText || type == typeCharPtr; }

// What "[i]" and slices may stand after: PHP throws when an index or a
// slice is assigned to anything else, and reads nothing from it.
static bool isIndexable(int type)
{
    return type == 0 || type == typeVar || isTextType(type) || isArrayType(type);
}

// identifierReference: ID "[" boundExpression "]"
// writes: [i] after the segment; checks: an array or text there (16), no index
// after a slice (17)
void finishIndex(const std::string& bound)
{
    // Texts too take "[i]": the brace form is gone from PHP 8.
    codeBuffer += '[';
    codeBuffer += bound;
    codeBuffer += ']';
    int container = sliceContainerType;
    if (elementsAreArrays)
        currentType = typeArray;
    else if (isTypedArray(container))
        currentType = elementType(container);
    else if (container == typeText || container == typeCharPtr)
        currentType = container;
    else
        currentType = typeVar;
    elementsAreArrays = 0;
    indexedContainerType = container;
    referenceAccessKind = accessElementOrCall;
    if (sliceSeen)
        reportError(Msg::indexOnRange);
    else if (!isIndexable(container))
        reportError(Msg::arraysRequired);
    // a further bracket stands after this element
    sliceContainerType = currentType;
}

// identifierReference: "[" boundExpression? (".." | "--") boundExpression? "]"
// checks: a slice bound is no text or array ("not a valid indice", code 51)
void checkIntervalBound()
{
    // PHP takes no array for a bound or an offset: it throws.
    if (isTextType(currentType) || isArrayType(currentType))
        reportError(Msg::invalidIndex);
}

// identifierReference: "[" boundExpression "]"
// checks: no text index on a text, no array index (code 51)
void checkIndexBound(int boundType)
{
    indexedByText = isTextType(boundType);
    if ((isTextType(sliceContainerType) && isTextType(boundType)) || isArrayType(boundType))
        reportError(Msg::invalidIndex);
}

// identifierReference: "[" a? (".." | "--") b? "]"
// writes: array_slice(...) or substr(...) when read, array_splice(...) or the
// rebuilt text when assigned; checks: a container that takes one (code 16)
void finishSlice()
{
    // A slice is array_slice or substr: PHP throws on any other container.
    if (!isIndexable(sliceContainerType))
        reportError(Msg::arraysRequired);
    if (assignTargetMode)
        translateIntervalAssign(assignInterval);
    else
        translateIntervalRead(readInterval);
    currentType = sliceContainerType;
    referenceAccessKind = accessSlice;
    sliceSeen = 1;
}

// identifierReference: ID "[" "]", the current element
// writes: current($a) when read, $a[key($a)] when assigned; checks: an array (16)
void finishCurrentElement()
{
    // current() and key() take an array only: PHP throws on a text or a
    // number, and an object is deprecated there.
    if (currentType != 0 && currentType != typeVar && !isArrayType(currentType))
        reportError(Msg::arraysRequired);
    if (assignTargetMode) {
        // The target stands twice, and a target cannot be a temporary: a
        // chain of "[]" long enough to double it out of bounds is refused.
        if (codeBuffer.size() > longRepeatedText)
            reportError(Msg::featureNotHere);
        else
            codeBuffer += "[key(" + codeBuffer + ")]";
    } else {
        codeBuffer = "current(" + codeBuffer + ")";
    }
    // The container of this element, for the removal of a nil assignment.
    indexedContainerType = currentType;
    indexedByText = 0;
    if (elementsAreArrays)
        currentType = typeArray;
    else if (isTypedArray(currentType))
        currentType = elementType(currentType);
    else if (currentType == typeArray || currentType == typeDict)
        currentType = typeVar;
    elementsAreArrays = 0;
    sliceContainerType = currentType;
    referenceAccessKind = accessElementOrCall;
    if (sliceSeen)
        reportError(Msg::indexOnRange);
}

// identifierReference: at its end
// writes nothing; a read reference gives its type as the value's
void finishReference()
{
    elementsAreArrays = 0;
    if (!assignTargetMode)
        rvalueFlag = currentType;
}

// memberName: ID, a name alone
// writes (in the code buffer): $name, $this->name, or a constant's bare name
void prefixNameText()
{
    prefixLookedUpName(isConstantKind(currentKind) ? 0 : isInstanceMember(currentIdentifier));
}

// boundOperand: ID ("." ID)+, the first name
// writes (in the code buffer): $name, $this->name, or the class name
void beginMemberAccess(const std::string& name)
{
    codeBuffer.clear();
    referenceSegmentCount = 0;
    currentIdentifier = name;
    if (symbolTable.isClassName(name)) {
        staticFlag = 1;
        ownerClassName = name;
        codeBuffer = name;
    } else {
        codeBuffer = name;
        lookupIdentifierInExpression();
        staticFlag = 0;
        instanceMemberFlag = isInstanceMember(name);
        ownerClassName = symbolTable.classNameOfInstance(name, false);
        prefixLookedUpName(instanceMemberFlag);
    }
    ownerClassIndex = -1;
}

// boundOperand: "." ID, a further member
// writes (in the code buffer): ->name, or ::$name for a static one; checks: the
// member is declared and a static one is reached as one
void memberAccessStep(const std::string& name)
{
    // A static member is a class property: Counter::$total.
    codeBuffer += staticFlag ? "::$" : "->";
    ++referenceSegmentCount;
    memberName = name;
    codeBuffer += name;
    resolveClassMember();
    checkStaticAttribute();
}

// TEMPLATE (literal, xmlDeclaration): a $name inside the template
// A name of a template ($name): the text the same name has in an
// expression. Only a name something declares here is looked up; any other
// (a PHP variable such as $_GET) stands as written. The state the lookup
// leaves is put back: the template stays one text value.
std::string templateNameText(const std::string& name)
{
    // a field's value, or a name in an assignment target: as written
    bool classBody = inClass && !inFunction;
    bool known = symbolTable.findInBlocks(name) || (inFunction && symbolTable.hasLocalNamed(name));
    if (!known && inClass && symbolTable.currentClass)
        known = symbolTable.currentClass->findAttribute(name) >= 0 ||
                symbolTable.isInheritedAttribute(name);
    else if (!known && !inClass)
        known = symbolTable.globals.indexOf(name) >= 0;
    if (classBody || inLvalue || !known)
        return "$" + name;
    std::string savedCode = codeBuffer, savedIdentifier = currentIdentifier;
    int savedType = currentType, savedKind = currentKind, savedClass = currentClassIndex;
    int savedAssigned = assignedFlag, savedStatic = staticFlag;
    codeBuffer = name;
    currentIdentifier = name;
    lookupIdentifierInExpression();
    prefixLookedUpName(isInstanceMember(name));
    std::string text = codeBuffer;
    codeBuffer = savedCode;
    currentIdentifier = savedIdentifier;
    currentType = savedType;
    currentKind = savedKind;
    currentClassIndex = savedClass;
    assignedFlag = savedAssigned;
    staticFlag = savedStatic;
    return text;
}

// --- The steps of the reference rules

// lvalue: ( memberChain | memberName | phpReference )
// writes: nothing yet; the target is read in its assignment form
void beginAssignTarget()
{
    assignTargetMode = 1;
    referenceAccessKind = accessName;
}

// lvalue: memberName
// writes: nothing; a name of an array kind is the whole array
void markWholeArrayTarget()
{
    if (isArrayKind(currentType))
        referenceAccessKind = accessWholeArray;
}

// lvalue: after the target
// writes: nothing; the target's type is the lvalue's
void finishAssignTarget()
{
    lvalueFlag = currentType;
    assignTargetMode = 0;
}

// memberChain: identifierReference ( DOT identifierReference )*
// writes: nothing yet; the chain is built in codeBuffer
void beginMemberChain()
{
    setCodeBuffer("");
    referenceSegmentCount = 0;
    lastJoinStatic = 0;
    ownerClassIndex = -1;
}

// memberChain: DOT identifierReference
// writes: ->   (::  after a class name)
void joinMemberChain()
{
    lastJoinStatic = staticAccess;
    appendCodeBuffer(staticAccess ? "::" : "->");
}

// memberChain: after the last segment
// writes: the chain   (checks: a static attribute the class has)
void finishMemberChain()
{
    if (lastJoinStatic)
        checkStaticAttribute();
    exprAppend(codeBuffer);
}

// memberName: ID
// writes: $name, $this->name, self::$name or the bare name (prefixNameText)
void appendMemberName(const std::string& name)
{
    currentIdentifier = name;
    setCodeBuffer(currentIdentifier);
    lookupIdentifierInExpression();
    prefixNameText();
    exprAppend(codeBuffer);
}

// identifierReference: ID ( LEFTSQUARE bound RIGHTSQUARE | slice )*
// writes: nothing yet; the bound is read on a level of its own
void openSegmentBound(SegmentState& segment)
{
    segment.save();
    pushExpression();
    pushIndiceContext();
}

// identifierReference: LEFTSQUARE (boundExpression)? rangeOperator ...
// writes nothing yet; the slice's bounds are the ones it gives
void ReferenceSegment::openSlice()
{
    openBound();
    sliceStart.clear();
    sliceEnd.clear();
}

// identifierReference: LEFTSQUARE boundExpression RIGHTSQUARE
// writes: [bound]   (a real bound cut to an integer)
void closeIndexBound(const SegmentState& segment)
{
    std::string bound = currentExpression();
    int boundType = currentType;
    popExpression();
    popIndiceContext();
    segment.restore();
    checkIndexBound(boundType);
    finishIndex(cutFraction(bound, boundType));
}

// identifierReference: LEFTSQUARE boundExpression rangeOperator ...
// writes: nothing yet; the slice's start is kept
void takeSliceStart()
{
    checkIntervalBound();
    sliceStart = cutFraction(currentExpression(), currentType);
    clearExpression();
}

// identifierReference: ... rangeOperator boundExpression RIGHTSQUARE
// writes: nothing yet; the slice's end is kept
void takeSliceEnd()
{
    checkIntervalBound();
    sliceEnd = cutFraction(currentExpression(), currentType);
    clearExpression();
}

// identifierReference: a slice, after its RIGHTSQUARE
// writes: the slice of the segment (finishSlice)
void closeSliceBound(const SegmentState& segment)
{
    popExpression();
    popIndiceContext();
    segment.restore();
    finishSlice();
}

// identifierReference: after the segment's brackets
// writes: nothing more; the segment is complete, its brackets counted
void finishSegment(int steps)
{
    finishReference();
    segmentSteps = steps;
}

// phpReference: PHPID (indexOpen boundExpression indexClose)*
// writes: $name   as written; a PHP variable is of type var
void appendPhpName(const std::string& token)
{
    exprAppend(token);
    currentType = typeVar;
}

// indexClose, in phpReference: RIGHTSQUARE
// writes: ]   the indexed value is of type var too
void closePhpIndex()
{
    exprAppendChar(']');
    currentType = typeVar;
}

// phpConstant: PHPCONSTANT
// writes: name   (the text between "$(" and ")"), an integer
void appendPhpConstant(const std::string& token)
{
    exprAppend(token.substr(2, token.size() - 3));
    currentType = typeInteger;
}

// assignmentStatement: lvalue ( comma lvalue )* operator values
// writes: nothing yet; the first target, its type the values' target type
void addFirstTarget()
{
    addLvalueExpr();
    initializerTargetType = currentType;
}

// assignmentStatement: comma lvalue
// writes: nothing yet; one more target
void addNextTarget()
{
    addLvalueExpr();
    ++assignTargetCount;
}

// assignmentStatement: lvalue eqifSeparator initializerValue
// writes: nothing yet; "=" is the operator of the error-catching form
void beginErrorCatchingValue()
{
    setAssignOperator('=');
    setValueTargetType();
}
