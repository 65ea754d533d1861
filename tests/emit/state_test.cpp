#include "emit_fixture.h"

#include <functional>
#include <vector>

namespace {

using EmitState = EmitTest;

TEST_F(EmitState, NinthArgumentIsNotStored)
{
    pushCallFrame();
    for (int i = 0; i < 9; ++i) {
        currentClassIndex = i;
        addCallArgument("a" + std::to_string(i));
    }
    EXPECT_EQ(currentArgumentCount, 8);
    EXPECT_EQ(callArgumentCount(), 8);
    currentClassIndex = -5;
    EXPECT_EQ(callArgument(8), "");
    EXPECT_EQ(currentClassIndex, -5);
    EXPECT_EQ(callArgument(7), "a7");
    EXPECT_EQ(currentClassIndex, 7);
    EXPECT_EQ(callArgument(-1), "");
    popCallFrame();
}

TEST_F(EmitState, NestedCallFramesRestoreTheOuterCall)
{
    FunctionRecord outer("outer"), inner("inner");
    currentCall = nullptr;
    methodTable.found = -1;
    callFrameFlag = 0;
    pushCallFrame();   // the outer call's frame
    currentCall = &outer;
    methodTable.found = 4;
    callFrameFlag = 1;
    addCallArgument("$x");
    addCallArgument("$y");

    pushCallFrame();   // a call inside the second argument
    currentCall = &inner;
    methodTable.found = 9;
    callFrameFlag = 0;
    addCallArgument("1");
    EXPECT_EQ(callDepth, 2);
    EXPECT_EQ(currentArgumentCount, 1);
    popCallFrame();

    EXPECT_EQ(currentCall, &outer);
    EXPECT_EQ(methodTable.found, 4);
    EXPECT_EQ(callFrameFlag, 1);
    EXPECT_EQ(currentArgumentCount, 2);
    EXPECT_EQ(callArgument(1), "$y");
    popCallFrame();
    EXPECT_EQ(currentCall, nullptr);
    EXPECT_EQ(methodTable.found, -1);
    EXPECT_EQ(callDepth, 0);

    popCallFrame();   // an unpaired pop changes nothing
    EXPECT_EQ(callDepth, 0);
}

TEST_F(EmitState, DeepCallNestingGrows)
{
    for (int i = 0; i < 1000; ++i) {
        pushCallFrame();
        addCallArgument(std::to_string(i));
    }
    for (int i = 999; i >= 0; --i) {
        EXPECT_EQ(callArgument(0), std::to_string(i));
        popCallFrame();
    }
    EXPECT_EQ(callDepth, 0);
}

struct UnderflowCase {
    const char* name;
    std::function<void()> pop;
    const char* stack;   // name in the report, or null for a silent pop
};

TEST_F(EmitState, RestoresWithNothingSaved)
{
    const std::vector<UnderflowCase> cases = {
        {"identifier", popIdentifierSlot, "identifier"},
        {"indice", popIndiceContext, "indice"},
        {"block state", popBlockState, "block stack"},
        {"reference", popReference, "reference"},
        {"generator", decGenerator, "generator"},
        {"scan", popScan, "scan"},
        {"loop kind", popLoopKind, nullptr},
        {"list operator", [] { EXPECT_EQ(popListOperator(), 0); }, nullptr},
        {"not in", popNotInFlag, nullptr},
        {"counter", popCounter, nullptr},
        {"int", [] { EXPECT_EQ(popInt(), 0); }, nullptr},
        {"pointer", [] { EXPECT_EQ(popPointer(), nullptr); }, nullptr},
        {"string", [] { EXPECT_EQ(popString(), ""); }, nullptr},
    };
    for (const UnderflowCase& c : cases) {
        errorCount = 0;
        std::string text = diagnostics(c.pop);
        if (c.stack) {
            EXPECT_EQ(text, std::string("Internal error [0] line 1\nt.vel L1: stack underflow in ") +
                                c.stack + "\n")
                << c.name;
            EXPECT_EQ(errorCount, 2) << c.name;
        } else {
            EXPECT_EQ(text, "") << c.name;
            EXPECT_EQ(errorCount, 0) << c.name;
        }
    }
    EXPECT_EQ(generatorCounter, 0);
    EXPECT_EQ(scanValue, 1);
    EXPECT_EQ(identifierIndex, 0);
}

TEST_F(EmitState, SavedValuesComeBack)
{
    loopKind = 1;
    pushLoopKind();
    loopKind = 2;
    popLoopKind();
    EXPECT_EQ(loopKind, 1);

    blockStateValue = 7;
    pushBlockState();
    blockStateValue = 0;
    popBlockState();
    EXPECT_EQ(blockStateValue, 7);
    diagnostics(popBlockState);   // underflow falls back on the first entry
    EXPECT_EQ(blockStateValue, 7);

    currentIdentifier = "a";
    memberName = "m";
    codeBuffer = "$a";
    pushIndiceContext();
    currentIdentifier = memberName = codeBuffer = "?";
    popIndiceContext();
    EXPECT_EQ(currentIdentifier + memberName + codeBuffer, "am$a");

    argumentIndex = 3;
    currentType = 10;
    currentIdentifier = "s";
    codeBuffer = "$s";
    calleeIndex = 27;
    callKind = 2;
    currentClassIndex = 4;
    pushReference();
    argumentIndex = currentType = callKind = currentClassIndex = 0;
    memberMethodRow = -1;
    currentIdentifier = codeBuffer = "";
    popReference();
    EXPECT_EQ(argumentIndex, 3);
    EXPECT_EQ(currentType, 10);
    EXPECT_EQ(currentIdentifier, "s");
    EXPECT_EQ(codeBuffer, "$s");
    EXPECT_EQ(memberMethodRow, 27);
    EXPECT_EQ(callKind, 2);
    EXPECT_EQ(currentClassIndex, 4);
}

TEST_F(EmitState, CountersAndSlots)
{
    pushCounter();
    incCounter();
    pushCounter();
    incCounter();
    incCounter();
    EXPECT_EQ(getCounter(), 2);
    popCounter();
    EXPECT_EQ(getCounter(), 1);
    resetCounter();
    EXPECT_EQ(getCounter(), 0);
    popCounter();

    currentType = 10;
    pushIdentifierSlot("first");
    currentType = 5;
    setIdentifierSlot("second");
    EXPECT_EQ(identifierSlotName(), "second");
    EXPECT_EQ(identifierSlotType(), 5);
    popIdentifierSlot();
    EXPECT_EQ(identifierSlotName(), "first");
    EXPECT_EQ(identifierSlotType(), 10);
}

// Every growing stack takes far more than the 128 entries of the data model.
TEST_F(EmitState, StacksGrowBeyondTheirModelSize)
{
    const int n = 2000;
    for (int i = 0; i < n; ++i) {
        pushCounter();
        incCounter();
        currentType = i % 36;
        pushIdentifierSlot("v" + std::to_string(i));
        blockStateValue = i;
        pushBlockState();
        pushInt(i);
        pushString(std::to_string(i));
        pushListOperator(1 + i % 3);
        incGenerator();
    }
    for (int i = n - 1; i >= 0; --i) {
        EXPECT_EQ(getCounter(), 1);
        popCounter();
        popIdentifierSlot();
        EXPECT_EQ(identifierSlotName(), "v" + std::to_string(i));
        popBlockState();
        EXPECT_EQ(blockStateValue, i);
        EXPECT_EQ(popInt(), i);
        EXPECT_EQ(popString(), std::to_string(i));
        EXPECT_EQ(popListOperator(), 1 + i % 3);
        decGenerator();
    }
    EXPECT_EQ(generatorCounter, 0);
    EXPECT_EQ(errorCount, 0);
}

TEST_F(EmitState, AliasesShareTheirVariable)
{
    inLvalue = 1;
    EXPECT_EQ(assignTargetMode, 1);
    assignTargetMode = 0;
    EXPECT_EQ(inLvalue, 0);
    returnedValueIndex = 3;
    EXPECT_EQ(returnValueIndex, 3);
    returnValueIndex = 0;
}

}  // namespace
