// Parameter lists and the values PHP must know when it compiles.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "emit/functions.h"

namespace {

TEST(ParameterList, ADefaultBeforeARequiredParameterIsLeftOut)
{
    struct Case {
        std::vector<ParameterText> parameters;
        const char* text;
    };
    const std::vector<Case> cases = {
        {{}, ""},
        {{{"$a", ""}}, "$a"},
        {{{"$a", "=1"}, {"$b", ""}}, "$a,$b"},
        {{{"$a", "=1"}, {"$b", "=2"}}, "$a=1,$b=2"},
        {{{"$a", "=1"}, {"&$b", ""}, {"$c", "=\"x\""}}, "$a,&$b,$c=\"x\""},
        {{{"$a", ""}, {"$b", "= 0"}}, "$a,$b= 0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parameterListText(c.parameters), c.text);
}

TEST(ConstantExpression, VariablesCallsAndObjectsAreNot)
{
    struct Case {
        const char* text;
        bool constant;
    };
    const std::vector<Case> cases = {
        {"1", true},
        {"\"a\".\"b\"", true},
        {"array(1,2)", true},
        {"-2.5*3", true},
        {"null", true},
        {"\"$ 5\"", true},
        {"'$x'", true},
        {"M_PI", true},
        {"$x", false},
        {"$this->a+1", false},
        {"self::$count", false},
        {"Box::$it", false},
        {"f(1)", false},
        {"intVal(2.5)", false},
        {"new Item()", false},
        {"(int)(2.5)", false},
        {"\"a$x\"", false},
        {"\"a{$x}\"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isConstantExpressionText(c.text), c.constant) << c.text;
}

}  // namespace
