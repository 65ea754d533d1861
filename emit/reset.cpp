#include "emit/reset.h"

#include "emit/assign.h"
#include "emit/code_buffer.h"
#include "emit/declarations.h"
#include "emit/expr_levels.h"
#include "emit/output.h"
#include "emit/slices.h"
#include "emit/state.h"
#include "emit/translators.h"
#include "semantic/builtins.h"
#include "semantic/symbols.h"

void resetEmitRun()
{
    closeOutputFile();
    unwrittenTargets = 0;
    headerLines.clear();
    forgetGeneratedConstructors();
    resetExpressionLevels();

    currentType = 0;
    currentIdentifier.clear();
    memberName.clear();
    ownerClassName.clear();
    ownerClassIndex = -1;
    currentKind = 0;
    currentClassIndex = 0;
    assignedFlag = 0;
    staticFlag = 0;
    specialObjectFlag = 0;
    arrayElementsMark = 0;
    elementsAreArrays = 0;
    currentCall = nullptr;
    currentFunction = nullptr;
    assignOperator = '=';
    returnValueIndex = 0;
    assignTargetCount = 0;
    deferredText.clear();
    forTypeText.clear();
    generatorCounter = 0;
    argumentIndex = 0;
    callKind = 0;
    memberMethodRow = 0;
    callFrameFlag = 0;
    blockStateValue = 0;
    loopKind = 0;
    rangeInclusive = 0;
    sliceStart.clear();
    sliceEnd.clear();
    referenceAccessKind = 0;
    lvalueText.clear();
    lvalueFlag = 0;
    rvalueFlag = 0;
    indexedContainerType = 0;
    indexedByText = 0;
    sliceContainerType = 0;
    instanceMemberFlag = 0;
    lastJoinStatic = 0;
    callPrefix.clear();
    literalReceiver = 0;
    leadingComma = 0;
    callForm = FunctionForm::plain;
    memberVisibility = visibilityPublic;

    codeBuffer.clear();
    forVariable.clear();
    forValueVariable.clear();
    lvalueList = LvalueList();
    rvalueList = RvalueList();
    readInterval = Interval();
    assignInterval = Interval();
    interpolationPieces.clear();
    leftOperandText.clear();
    rightOperandText.clear();
    setOperationText.clear();

    callFrames.assign(1, CallFrame());
    nestingCounters.assign(1, 0);
    identifierStack.assign(1, IdentifierSlot());
    blockStateStack.assign(1, 0);
    scanValue = 0;
    scanStack.clear();
    resetEmitFile();
}

void resetEmitFile()
{
    indentLevel = 0;
    newlineState = 0;
    callDepth = 0;
    currentArgumentCount = 0;
    currentCallStack.clear();
    resetExpressions();
    leftTypeStack.clear();
    savedOperandTexts.clear();
    listOperatorStack.clear();
    notInFlagStack.clear();
    notInFlag = 0;
    identifierIndex = 0;
    indiceIdentifierStack.clear();
    indiceMemberStack.clear();
    indiceCodeStack.clear();
    nestingCounterIndex = 0;
    loopKindStack.clear();
    intStack.clear();
    pointerStack.clear();
    stringStack.clear();
    forgetSavedContexts();
    assignTargetMode = 0;
    staticModifier = 0;
    staticMethodMarker = 0;
    inParameterList = 0;
    expressionTempCounter = 0;
    referenceSegmentCount = 0;
    sliceSeen = 0;
}
