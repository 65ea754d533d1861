#include "emit_fixture.h"

#include <vector>

namespace {

using ControlStatements = EmitTest;

TEST_F(ControlStatements, BreakAndContinueFollowTheLoopKind)
{
    // a while body sits in do { } while(false): "break 2" leaves the while
    EXPECT_EQ(loopJumpText(false, forLoop), "break");
    EXPECT_EQ(loopJumpText(true, forLoop), "continue");
    EXPECT_EQ(loopJumpText(false, whileLoop), "break 2");
    EXPECT_EQ(loopJumpText(true, whileLoop), "break");
    EXPECT_EQ(loopJumpText(false, doLoop), "break");
    EXPECT_EQ(loopJumpText(true, doLoop), "continue");
}

TEST_F(ControlStatements, RangeHeaderByDirectionAndStep)
{
    struct Case {
        int inclusive, descending;
        const char* step;
        const char* php;
    };
    const std::vector<Case> cases = {
        {1, 0, "", "for($i=1;$i<=9;$i++)\n{\n"},
        {0, 0, "", "for($i=1;$i<9;$i++)\n{\n"},
        {1, 1, "", "for($i=1;$i>=9;$i+=-1)\n{\n"},
        {0, 2, "-2", "for($i=1;$i>9;$i+=-2)\n{\n"},
        {1, 0, "$n", "for($i=1;$n>0?$i<=9:$i>=9;$i+=$n)\n{\n"},
        {0, 1, "$n-1", "for($i=1;$n-1>0?$i<9:$i>9;$i+=$n-1)\n{\n"},
        {1, 0, "2*3", "for($i=1;$i<=9;$i+=2*3)\n{\n"},
    };
    for (const Case& c : cases) {
        SetUp();
        emitRangeHeader("$i", "1", "9", c.inclusive, c.descending, c.step);
        EXPECT_EQ(output(), c.php);
    }
}

TEST_F(ControlStatements, ConstantBoundsAreComputedWithPrecedence)
{
    struct Case {
        const char* text;
        bool constant;
        double value;
    };
    const std::vector<Case> cases = {
        {"10", true, 10},
        {"2*3", true, 6},
        {"1+2*3", true, 7},
        {"(1+2)*3", true, 9},
        {"-2*-3", true, 6},
        {"7/2", true, 3.5},
        {"7%3", true, 1},
        {"10-2-3", true, 5},
        {"012", true, 10},      // octal, as PHP reads it
        {"0x1F", true, 31},
        {"0b101", true, 5},
        {"", false, 0},
        {"$n", false, 0},
        {"2*$n", false, 0},
        {"1/0", false, 0},
        {"5%0", false, 0},
        {"08", false, 0},
        {"1.5", false, 0},
        {"(2", false, 0},
        {"f(2)", false, 0},
        {"99999999999999999999", false, 0},
    };
    for (const Case& c : cases) {
        double value = 0;
        EXPECT_EQ(constantValue(c.text, value), c.constant) << c.text;
        if (c.constant) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
    std::string deep(20000, '(');
    deep += "1" + std::string(20000, ')');
    double value = 0;
    EXPECT_FALSE(constantValue(deep, value));
}

TEST_F(ControlStatements, RangeDirectionOfConstantBounds)
{
    EXPECT_TRUE(constantRangeDescends("10", "1"));
    EXPECT_TRUE(constantRangeDescends("10", "2*3"));
    EXPECT_FALSE(constantRangeDescends("5", "2*3"));
    EXPECT_FALSE(constantRangeDescends("3", "3"));
    // undecided: counts up
    EXPECT_FALSE(constantRangeDescends("$n", "1"));
    EXPECT_FALSE(constantRangeDescends("10", "$n"));
    EXPECT_EQ(negatedStep("3"), "-3");
    EXPECT_EQ(negatedStep("0x10"), "-0x10");
    EXPECT_EQ(negatedStep("2*2"), "-(2*2)");
}

TEST_F(ControlStatements, LoopsOverCollectionsAndTexts)
{
    emitForeachHeader("$a", "$k", "$v", true);
    EXPECT_EQ(output(), "foreach($a as $k => $v)\n{");

    SetUp();
    emitTextLoopHeader("$s", "$c", "", false, "4");
    EXPECT_EQ(output(), "$_L4=strlen($s);\nfor($__4 = 0; $__4 < $_L4; $__4++)\n{\n"
                        "   $c=$s[$__4];\n");
    EXPECT_EQ(generatorCounter, 1);

    // not a plain name: through a temporary; key and value: index, character
    SetUp();
    emitTextLoopHeader("$o->t", "$i", "$c", true, "2");
    EXPECT_EQ(output(), "$_I1=$o->t;\n$_L2=strlen($_I1);\nfor($__2 = 0; $__2 < $_L2; $__2++)\n"
                        "{\n   $i=$__2;\n   $c=$_I1[$__2];\n");
}

}  // namespace
