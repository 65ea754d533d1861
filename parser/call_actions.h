// Calls: function calls and their arguments, member calls and the
// predefined methods, chains of them, and the call statements. Each call
// keeps what it must give back in a CallScope of its rule, so that a bad
// call restores the state it changed.
#pragma once

#include <cstddef>
#include <string>

struct FunctionRecord;
struct MemberCallForm;
struct MethodHead;
struct TokenPeek;

struct CallScope {
    bool active = false;          // the call began (the parse is not guessing)
    int level = 0;                // expression level at the call's start
    size_t references = 0;        // reference contexts at the call's start
    FunctionRecord* bracketed = nullptr;  // record whose arguments began
    bool asStatement = false;     // the call is a statement of its own
    bool memberStep = false;      // a step of a chain, on the chain's level
    // A member step: its receiver and its predefined form.
    std::string receiver;
    bool receiverIsVariable = false;
    int receiverType = 0;
    bool storesInReceiver = true;  // false once refused: the value alone is written
    bool uncheckedObject = false;  // the receiver is an object of a class not known here
    const MemberCallForm* form = nullptr;
    int row = -1;
    // A bare call of a method of the class defined further down: its head,
    // and the line of the call.
    const MethodHead* laterMethod = nullptr;
    int line = 0;
};

// The bounds of a range or a slice read so far. A call inside a bound has
// arguments that may hold ranges and slices of their own: it gives the
// bounds around it back when it ends.
struct RangeBounds {
    RangeBounds();   // the current ones
    void restore() const;
    std::string start, end, sliceStart, sliceEnd;
    int inclusive;
};

// The call frame of one call operand or call statement, and the bounds
// read around it.
class CallFrameScope {
public:
    explicit CallFrameScope(bool active);
    ~CallFrameScope();
    CallFrameScope(const CallFrameScope&) = delete;
    CallFrameScope& operator=(const CallFrameScope&) = delete;

private:
    bool active_;
    RangeBounds bounds_;
};

// The expression level of a chain: left as it was found when the chain
// ends by an exception.
class ChainScope {
public:
    explicit ChainScope(bool active);
    ~ChainScope();
    ChainScope(const ChainScope&) = delete;
    ChainScope& operator=(const ChainScope&) = delete;

private:
    bool active_;
    int level_;
};

// --- Function calls
// The called name, and what it calls: predefined function, class, user
// function or method, function-typed parameter, or an unknown name. Inside
// a method, an unknown name may be a method of the class defined further
// down, read ahead from `ahead`:  helper(x)
// writes: $this->helper($x (self::helper($x for a static method)
void beginFunctionCall(CallScope& call, const std::string& name, const TokenPeek* ahead = nullptr);
void openCallArguments(CallScope& call);
void finishFunctionCall(CallScope& call);
// A bad call: reported (unless `report` is false), and the state the call
// changed restored.
void abandonCall(CallScope& call, bool report = true);

// --- Arguments
void beginArgumentList();
void emptyArgumentList();
void endArgumentList();
void beginArgument();
void finishArgument(bool alias);

// --- Member calls
// After literalValue: the literal is the receiver.
void beginLiteralChain();
void beginObjectChain();
void joinChainSegment();
void beginChainCalls();
void finishCallChain();
void beginMemberCall(CallScope& call, const std::string& name);
// A member call on an object of the open class (or on its name) may call
// a method defined further down, read ahead from `ahead`.
void openMemberCall(CallScope& call, const TokenPeek* ahead = nullptr);
void finishMemberCall(CallScope& call);
// An attribute read through a call's result:  order.add(2).total
// writes: receiver->total (receiver::$total for a static attribute), typed
// by the attribute found in the result's class; typed var when that class
// is not known here.
void readResultAttribute(const std::string& name);

// --- Call operands and statements
void markSilentCall();
// An expression statement starts with a fresh expression state.
void beginExpressionStatement();
// The next function call is a statement of its own (swap may stand only
// there).
void beginCallStatement();

// --- The steps of the call rules
// "@" before a call statement.
void beginSilentCallStatement();
