#include "emit/state.h"

#include "emit/code_buffer.h"
#include "semantic/messages.h"
#include "semantic/builtins.h"

int currentType = 0;
std::string currentIdentifier;
std::string memberName;
std::string ownerClassName;
int ownerClassIndex = -1;
int currentKind = 0;
int currentClassIndex = 0;
int assignedFlag = 0;
int staticFlag = 0;
int specialObjectFlag = 0;
unsigned arrayElementsMark = 0;
int elementsAreArrays = 0;
FunctionRecord* currentCall = nullptr;
FunctionRecord* currentFunction = nullptr;
int staticMethodMarker = 0;
int inLvalue = 0;
int& assignTargetMode = inLvalue;
char assignOperator = '=';
int returnValueIndex = 0;
int& returnedValueIndex = returnValueIndex;
int assignTargetCount = 0;
std::string deferredText;
std::string forTypeText;
int generatorCounter = 0;
int expressionTempCounter = 0;
int argumentIndex = 0;
int callKind = 0;
int memberMethodRow = 0;
int& calleeIndex = memberMethodRow;
int callFrameFlag = 0;
int notInFlag = 0;
int blockStateValue = 0;

int staticModifier = 0;
int loopKind = 0;
int rangeInclusive = 0;
std::string sliceStart;
std::string sliceEnd;

int referenceAccessKind = 0;
std::string lvalueText;
int lvalueFlag = 0;
int rvalueFlag = 0;
int indexedContainerType = 0;
int indexedByText = 0;
int sliceContainerType = 0;
int referenceSegmentCount = 0;
int instanceMemberFlag = 0;
int sliceSeen = 0;
int lastJoinStatic = 0;
std::string callPrefix;
int literalReceiver = 0;
int leadingComma = 0;
FunctionForm callForm = FunctionForm::plain;

void setAssignOperator(char op) { assignOperator = op; }
char getAssignOperator() { return assignOperator; }
void setForTypeText(const std::string& text) { forTypeText = text; }
std::string getForTypeText() { return forTypeText; }

void incGenerator() { ++generatorCounter; }

void decGenerator()
{
    if (generatorCounter < 1)
        stackUnderflowError("generator");
    else
        --generatorCounter;
}

// --- Call frames

int callDepth = 0;
int currentArgumentCount = 0;
std::vector<CallFrame> callFrames(1);
std::vector<SavedCall> currentCallStack;

static CallFrame& frame()
{
    if (callFrames.size() <= static_cast<size_t>(callDepth))
        callFrames.resize(static_cast<size_t>(callDepth) + 1);
    return callFrames[callDepth];
}

void pushCallFrame()
{
    SavedCall saved;
    saved.call = currentCall;
    saved.frameFlag = callFrameFlag;
    saved.found = methodTable.found;
    currentCallStack.push_back(saved);
    ++callDepth;
    frame().count = 0;
    currentArgumentCount = 0;
}

void popCallFrame()
{
    if (currentCallStack.empty() || callDepth <= 0)
        return;   // pops follow pushes; nothing to restore
    SavedCall saved = currentCallStack.back();
    currentCallStack.pop_back();
    methodTable.found = saved.found;
    currentCall = saved.call;
    callFrameFlag = saved.frameFlag & 1;
    --callDepth;
    currentArgumentCount = frame().count;
}

void addCallArgument(const std::string& text)
{
    if (currentArgumentCount >= maxCallArguments)
        return;
    CallFrame& f = frame();
    f.arguments[currentArgumentCount].text = text;
    f.arguments[currentArgumentCount].classIndex = currentClassIndex;
    ++currentArgumentCount;
    f.count = currentArgumentCount;
}

std::string callArgument(int index)
{
    CallFrame& f = frame();
    if (index < 0 || index >= f.count || index >= maxCallArguments)
        return std::string();
    currentClassIndex = f.arguments[index].classIndex;
    return f.arguments[index].text;
}

void pushCallDepth()
{
    ++callDepth;
    frame().count = 0;
}

void popCallDepth()
{
    if (callDepth > 0)
        --callDepth;
}

void setCallArgument(int index, const std::string& text)
{
    if (index >= 0 && index < maxCallArguments)
        frame().arguments[index].text = text;
}

int callArgumentCount() { return frame().count; }

void clearCallArguments()
{
    frame().count = 0;
    currentArgumentCount = 0;
}

// --- Nesting counters: the index names the top; index 0 is the bottom slot.

std::vector<int> nestingCounters(1, 0);
int nestingCounterIndex = 0;

void pushCounter()
{
    ++nestingCounterIndex;
    if (nestingCounters.size() <= static_cast<size_t>(nestingCounterIndex))
        nestingCounters.resize(static_cast<size_t>(nestingCounterIndex) + 1, 0);
    nestingCounters[nestingCounterIndex] = 0;
}

void popCounter()
{
    if (nestingCounterIndex > 0)
        --nestingCounterIndex;
}

int getCounter() { return nestingCounters[nestingCounterIndex]; }
void incCounter() { ++nestingCounters[nestingCounterIndex]; }
void resetCounter() { nestingCounters[nestingCounterIndex] = 0; }

// --- Loop kinds and membership flags

std::vector<int> loopKindStack;

void pushLoopKind() { loopKindStack.push_back(loopKind); }

void popLoopKind()
{
    if (loopKindStack.empty())
        return;
    loopKind = loopKindStack.back();
    loopKindStack.pop_back();
}

std::vector<int> notInFlagStack;

void pushNotInFlag() { notInFlagStack.push_back(notInFlag); }

void popNotInFlag()
{
    if (notInFlagStack.empty())
        return;
    notInFlag = notInFlagStack.back();
    notInFlagStack.pop_back();
}

// --- Identifier slots

std::vector<IdentifierSlot> identifierStack(1);
int identifierIndex = 0;

static IdentifierSlot& slot()
{
    if (identifierStack.size() <= static_cast<size_t>(identifierIndex))
        identifierStack.resize(static_cast<size_t>(identifierIndex) + 1);
    return identifierStack[identifierIndex];
}

void setIdentifierSlot(const std::string& text)
{
    IdentifierSlot& s = slot();
    s.name = text;
    s.type = currentType;
}

void nextIdentifierSlot() { ++identifierIndex; }

void pushIdentifierSlot(const std::string& text)
{
    setIdentifierSlot(text);
    ++identifierIndex;
}

std::string identifierSlotName() { return slot().name; }
int identifierSlotType() { return slot().type; }

void popIdentifierSlot()
{
    if (identifierIndex < 1) {
        stackUnderflowError("identifier");
        return;
    }
    --identifierIndex;
}

// --- Index contexts

std::vector<std::string> indiceIdentifierStack;
std::vector<std::string> indiceMemberStack;
std::vector<std::string> indiceCodeStack;

void pushIndiceContext()
{
    indiceIdentifierStack.push_back(currentIdentifier);
    indiceMemberStack.push_back(memberName);
    indiceCodeStack.push_back(codeBuffer);
}

void popIndiceContext()
{
    if (indiceIdentifierStack.empty()) {
        stackUnderflowError("indice");
        return;
    }
    currentIdentifier = indiceIdentifierStack.back();
    memberName = indiceMemberStack.back();
    codeBuffer = indiceCodeStack.back();
    indiceIdentifierStack.pop_back();
    indiceMemberStack.pop_back();
    indiceCodeStack.pop_back();
}

// --- Set-operator codes

std::vector<int> listOperatorStack;

void pushListOperator(int code) { listOperatorStack.push_back(code); }

int popListOperator()
{
    if (listOperatorStack.empty())
        return 0;
    int code = listOperatorStack.back();
    listOperatorStack.pop_back();
    return code;
}

// --- Block states: the storage keeps its old values, so an underflow can
// fall back on the first entry.

std::vector<int> blockStateStack(1, 0);
static size_t blockStateCount = 0;

void pushBlockState()
{
    if (blockStateStack.size() <= blockStateCount)
        blockStateStack.resize(blockStateCount + 1, 0);
    blockStateStack[blockStateCount++] = blockStateValue;
}

void popBlockState()
{
    if (blockStateCount == 0) {
        stackUnderflowError("block stack");
        blockStateValue = blockStateStack[0];
        return;
    }
    blockStateValue = blockStateStack[--blockStateCount];
}

// --- Reference contexts

namespace {
struct ReferenceContext {
    int argumentIndex;
    int currentType;
    std::string currentIdentifier;
    std::string codeBuffer;
    int memberMethodRow;
    int callKind;
    int currentClassIndex;
};
std::vector<ReferenceContext> referenceStack;
}

void pushReference()
{
    referenceStack.push_back(ReferenceContext{argumentIndex, currentType, currentIdentifier,
                                              codeBuffer, memberMethodRow, callKind,
                                              currentClassIndex});
}

void popReference()
{
    if (referenceStack.empty()) {
        stackUnderflowError("reference");
        return;
    }
    ReferenceContext& saved = referenceStack.back();
    argumentIndex = saved.argumentIndex;
    currentType = saved.currentType;
    currentIdentifier = saved.currentIdentifier;
    codeBuffer = saved.codeBuffer;
    memberMethodRow = saved.memberMethodRow;
    callKind = saved.callKind;
    currentClassIndex = saved.currentClassIndex;
    referenceStack.pop_back();
}

size_t referenceDepth() { return referenceStack.size(); }

void restoreReferenceDepth(size_t depth)
{
    while (referenceStack.size() > depth)
        popReference();
}

void forgetSavedContexts()
{
    referenceStack.clear();
    blockStateCount = 0;
}

// --- Plain stacks: their callers pop only what they pushed; an empty pop
// gives a neutral value instead of reading outside the stack.

std::vector<int> intStack;

void pushInt(int value) { intStack.push_back(value); }

int popInt()
{
    if (intStack.empty())
        return 0;
    int value = intStack.back();
    intStack.pop_back();
    return value;
}

std::vector<void*> pointerStack;

void pushPointer(void* pointer) { pointerStack.push_back(pointer); }

void* popPointer()
{
    if (pointerStack.empty())
        return nullptr;
    void* pointer = pointerStack.back();
    pointerStack.pop_back();
    return pointer;
}

std::vector<std::string> stringStack;

void pushString(const std::string& text) { stringStack.push_back(text); }

std::string popString()
{
    if (stringStack.empty())
        return std::string();
    std::string text = stringStack.back();
    stringStack.pop_back();
    return text;
}

int scanValue = 0;
std::vector<int> scanStack;

void pushScan() { scanStack.push_back(scanValue); }

void popScan()
{
    if (scanStack.empty()) {
        stackUnderflowError("scan");
        scanValue = 1;
        return;
    }
    scanValue = scanStack.back();
    scanStack.pop_back();
}
