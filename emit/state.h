// Current-declaration state, call frames and the save-and-restore stacks of
// the translation actions. Everything here is process-wide. The stacks grow
// as needed; restores with nothing saved behave as each comment says.
#pragma once

#include <string>
#include <vector>

struct FunctionRecord;
enum class FunctionForm : int;  // semantic/builtins.h

// --- Current-declaration state
// currentKind, and the kind a symbol keeps. The kinds from kindEnumItem to
// lastConstantKind are read-only.
constexpr int kindDeclaration = 1;
constexpr int kindAssignment = 2;
constexpr int kindEnumItem = 3;
constexpr int kindConstant = 4;
constexpr int lastConstantKind = 5;

extern int currentType;                 // type code of what was just analysed
extern std::string currentIdentifier;   // name just declared or referenced
extern std::string memberName;          // name after a class or object, or the called name
extern std::string ownerClassName;      // class of a member access
extern int ownerClassIndex;             // class index of ownerClassName, -1 when unknown
extern int currentKind;                 // how the name was declared: one of the kinds below
extern int currentClassIndex;           // class table index of the type just read, or a mark below
// Class indexes that name no class of the table.
constexpr int noClassIndex = -3;        // a keyword type
constexpr int javaClassIndex = -4;      // a java. or javax. class
constexpr int namedTypeClassIndex = -5; // a type named by a define
extern int assignedFlag;                // symbolAssigned mark of the symbol last used
extern int staticFlag;                  // symbolStatic mark of the symbol last used
extern int specialObjectFlag;           // symbolSpecialObject mark of the symbol last used
extern unsigned arrayElementsMark;      // symbolArrayElements while the declared type holds arrays
extern int elementsAreArrays;           // the name last used holds arrays, until its first index
extern FunctionRecord* currentCall;     // record of the call being checked
extern FunctionRecord* currentFunction; // record of the function being defined
extern int staticMethodMarker;
extern int inLvalue;                    // an assignment target is being parsed
extern int& assignTargetMode;           // the same variable as inLvalue
extern char assignOperator;             // '=' plain, '<' '>' shifts, else a compound operator
extern int returnValueIndex;            // next result of a call spread over several targets
extern int& returnedValueIndex;         // the same variable as returnValueIndex
extern int assignTargetCount;
extern std::string deferredText;
extern std::string forTypeText;
extern int generatorCounter;            // number of the next "$_I%d" temporary
extern int expressionTempCounter;       // "$_E%d" temporaries of the file so far
extern int argumentIndex;
extern int callKind;                    // what the call being read calls: one of the kinds below
constexpr int callUserFunction = 0;     // a function or method of the program
constexpr int callMember = 1;           // a method of an object or a class
constexpr int callPredefinedFunction = 2;
constexpr int callPredefinedMethod = 3;
constexpr int callUnknownFunction = 4;  // a name nothing declares, written as called
constexpr int callJavaMember = 5;       // a method of a java object
constexpr int callConstructor = 6;
extern int memberMethodRow;             // builtinTable row of the predefined method being called
extern int& calleeIndex;                // the same variable as memberMethodRow
extern int callFrameFlag;
extern int notInFlag;
extern int blockStateValue;

// Set by the parser's actions, read by the declaration and slice emitters.
extern int staticModifier;            // symbolStatic while the declaration carries "static", else 0
extern int loopKind;                  // 0 for, 1 while, 2 do
extern int rangeInclusive;            // 1 after "..", 0 after "--"
extern std::string sliceStart;        // slice bound texts, empty when omitted
extern std::string sliceEnd;

// --- Reference, assignment-target and call-rule state
// What the reference just translated reaches: one of the access kinds below.
extern int referenceAccessKind;
constexpr int accessName = 1;
constexpr int accessElementOrCall = 2;
constexpr int accessSlice = 3;
constexpr int accessWholeArray = 4;
constexpr int accessMultiValueCall = 5;   // a call returning several values
extern std::string lvalueText;    // text of the target addLvalue stores
extern int lvalueFlag;            // type the context expects (target or parameter type)
extern int rvalueFlag;            // type of the last read reference
extern int indexedContainerType;  // type of the container of the last indexed reference
extern int indexedByText;         // that reference's index is a text (a key)
extern int sliceContainerType;    // type of the container of the slice being translated
extern int referenceSegmentCount;
extern int instanceMemberFlag;
extern int sliceSeen;
extern int lastJoinStatic;
extern std::string callPrefix;
extern int literalReceiver;
extern int leadingComma;
extern FunctionForm callForm;   // form of the predefined function being called

void setAssignOperator(char op);
char getAssignOperator();
void setForTypeText(const std::string& text);
std::string getForTypeText();
void incGenerator();
void decGenerator();   // below 1: underflow "generator", counter unchanged

// --- Call frames
const int maxCallArguments = 8;   // arguments stored per frame; further ones are dropped

struct CallArgument {
    std::string text;
    int classIndex = 0;
};
struct CallFrame {
    CallArgument arguments[maxCallArguments];
    int count = 0;
};
struct SavedCall {
    FunctionRecord* call = nullptr;
    int frameFlag = 0;
    int found = -1;
};

extern int callDepth;
extern int currentArgumentCount;
extern std::vector<CallFrame> callFrames;     // frame d is callFrames[d]
extern std::vector<SavedCall> currentCallStack;

void pushCallFrame();
void popCallFrame();        // with no frame open: underflow "call frame"
void addCallArgument(const std::string& text);
std::string callArgument(int index);
void pushCallDepth();
void popCallDepth();
void setCallArgument(int index, const std::string& text);
int callArgumentCount();
// The open frame starts again from its first argument (the next step of a
// chain stores its own arguments there).
void clearCallArguments();

// --- Named stacks
extern std::vector<int> nestingCounters;   // index is nestingCounterIndex
extern int nestingCounterIndex;
void pushCounter();
void popCounter();
int getCounter();
void incCounter();
void resetCounter();

extern std::vector<int> loopKindStack;
void pushLoopKind();
void popLoopKind();         // nothing saved: nothing happens

extern std::vector<int> notInFlagStack;
void pushNotInFlag();
void popNotInFlag();

struct IdentifierSlot {
    std::string name;
    int type = 0;
};
extern std::vector<IdentifierSlot> identifierStack;
extern int identifierIndex;
void setIdentifierSlot(const std::string& text);
void nextIdentifierSlot();
void pushIdentifierSlot(const std::string& text);
std::string identifierSlotName();
int identifierSlotType();
void popIdentifierSlot();   // at 0: underflow "identifier"

extern std::vector<std::string> indiceIdentifierStack;
extern std::vector<std::string> indiceMemberStack;
extern std::vector<std::string> indiceCodeStack;
void pushIndiceContext();
void popIndiceContext();    // nothing saved: underflow "indice"

extern std::vector<int> listOperatorStack;
void pushListOperator(int code);
int popListOperator();      // nothing saved: 0, no report

extern std::vector<int> blockStateStack;
void pushBlockState();
void popBlockState();       // nothing saved: underflow "block stack"

void pushReference();
void popReference();        // nothing saved: underflow "reference"
size_t referenceDepth();
// Pops the contexts saved since the depth was taken, restoring the oldest.
void restoreReferenceDepth(size_t depth);

// No reference context and no block state saved. The block states' storage
// keeps its values, for an underflow to fall back on.
void forgetSavedContexts();

extern std::vector<int> intStack;
void pushInt(int value);
int popInt();

extern std::vector<void*> pointerStack;
void pushPointer(void* pointer);
void* popPointer();

extern std::vector<std::string> stringStack;
void pushString(const std::string& text);
std::string popString();

extern int scanValue;
extern std::vector<int> scanStack;
void pushScan();
void popScan();             // nothing saved: underflow "scan", scanValue = 1
