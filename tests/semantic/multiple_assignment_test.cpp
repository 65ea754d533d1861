// Type check of assignment pairs, and of the values of a call that returns
// several values spread over the targets.
#include "semantic_fixture.h"

#include <vector>

namespace {

class SpreadAssignment : public SemanticTest {
public:
    // Checks targets of the given types against one value text of kind 5
    // (or of another kind and type), as the assignment writer does.
    static std::string check(const std::vector<int>& targets, const std::string& value,
                             int kind = 5, int valueType = 17) {
        resetAssignLists();
        for (int type : targets) {
            lvalueText = "$t";
            currentType = type;
            referenceAccessKind = 1;
            addLvalue();
        }
        addRvalueTyped(value, valueType, kind);
        assignTargetCount = static_cast<int>(targets.size());
        returnValueIndex = 0;
        return diagnostics([&] {
            rewindLvalues();
            rewindRvalues();
            for (size_t i = 0; i < targets.size(); ++i) {
                translateMultipleAssignment();
                nextLvalue();
            }
        });
    }

    void SetUp() override {
        SemanticTest::SetUp();
        symbolTable.addFunction(function("pair", {}, {5, 10}));
        ClassRecord* shape = openClass("Shape");
        shape->addMethod(function("sizes", {}, {5, 5}));
        FunctionRecord* make = function("make", {}, {15, 5});
        make->staticMark = 128;
        shape->addMethod(make);
        symbolTable.endClass();
        symbolTable.globals.push_back(symbol("s", 15 | 64, 1, 0));
    }
};

TEST_F(SpreadAssignment, EachTargetTakesTheNextResult) {
    struct Case {
        const char* what;
        std::vector<int> targets;
        const char* value;
        const char* printed;
    };
    const Case cases[] = {
        {"as many targets as results", {5, 10}, "pair()", ""},
        {"found without regard to case", {5, 10}, "PAIR(1)", ""},
        {"a method through an instance", {5, 7}, "$s->sizes()", ""},
        {"a static method through its class", {15, 5}, "Shape::make()", ""},
        {"fewer targets", {5}, "pair()", ""},
        {"a result of the wrong type", {10, 10}, "pair()",
         "t.vel L1: can't assign to text, from integer\n"},
        {"more targets than results", {5, 10, 16}, "pair()",
         "t.vel L1: 3 required, attempting to assign 2 values\n"},
        {"two targets past the results", {5, 10, 16, 5}, "pair()",
         "t.vel L1: 4 required, attempting to assign 2 values\n"
         "t.vel L1: can't assign to integer, from unknow type\n"},
        {"an unknown function", {5, 10}, "nothing()",
         "t.vel L1: \"nothing\" function not defined\n"},
        {"an unknown method", {5, 10}, "$s->nothing()",
         "t.vel L1: \"nothing\" method not found\n"},
        {"an unknown instance", {5, 10}, "$q->m()",
         "t.vel L1: \"q\" not a declared instance\nt.vel L1: \"?\" class not defined\n"
         "t.vel L1: \"m\" method not found\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(check(c.targets, c.value), c.printed) << c.what;
}

TEST_F(SpreadAssignment, InsideAClassItsMethodsAndItsParentsComeFirst) {
    ClassRecord* box = openClass("Box", "Shape");
    box->addMethod(function("pair", {}, {10, 5}));
    inFunction = 1;
    EXPECT_EQ(check({10, 5}, "$this->pair()"), "");
    EXPECT_EQ(check({10, 5}, "pair()"), "");
    EXPECT_EQ(check({5, 5}, "$this->sizes()"), "");
    EXPECT_EQ(check({5, 5}, "sizes()"), "");
    symbolTable.endClass();
}

TEST_F(SpreadAssignment, OtherValuesAreCheckedByTheirType) {
    EXPECT_EQ(check({5}, "1", 2, 5), "");
    EXPECT_EQ(check({5}, "\"a\"", 2, 10), "t.vel L1: can't assign to integer, from text\n");
    assignOperator = '+';
    EXPECT_EQ(check({11}, "$d", 6, 12), "");
    assignOperator = '=';
}

}  // namespace
