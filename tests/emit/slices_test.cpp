#include "emit_fixture.h"

#include <vector>

namespace {

using EmitSlices = EmitTest;

struct SliceCase {
    const char* container;
    int type;            // 10 text, 11 array, 12 dict
    const char* start;   // bound texts as the reference rule leaves them
    const char* end;
    int inclusive;       // 1 "..", 0 "--"
    const char* value;   // null for a read; "false" removes the slice
    const char* php;
    const char* report;  // diagnostics printed, "" for none
};

const char* const none = "";

TEST_F(EmitSlices, SlicesBecomePhpCalls)
{
    const std::vector<SliceCase> cases = {
        // reads of arrays
        {"$a", 11, "1", "3", 1, nullptr, "array_slice($a,1,3)", none},
        {"$a", 11, "1", "3", 0, nullptr, "array_slice($a,1,2)", none},
        {"$a", 11, "2", "", 1, nullptr, "array_slice($a,2)", none},
        {"$a", 11, "2", "", 0, nullptr, "array_slice($a,2,-1)", none},
        {"$a", 11, "$i", "3", 1, nullptr,
         "array_slice($a,$i,3-($i)+count($a)*((3<0)-($i<0))+1)", none},
        {"$a", 11, "-3", "-1", 1, nullptr, "array_slice($a,-3)", none},
        {"$a", 11, "-3", "-2", 1, nullptr, "array_slice($a,-3,2)", none},
        {"$a", 11, "", "-2", 1, nullptr, "array_slice($a,0,-1)", none},
        {"$a", 11, "1", "-2", 1, nullptr, "array_slice($a,1,-2-(1)+count($a)+1)", none},
        {"$a", 11, "1", "$j", 1, nullptr, "array_slice($a,1,$j-(1)+count($a)*($j<0)+1)", none},
        {"$a", 11, "-1", "3", 1, nullptr, "array_slice($a,-1,3-(-1)-count($a)+1)", none},
        {"$a", 11, "$i", "$j", 0, nullptr,
         "array_slice($a,$i,$j-($i)+count($a)*(($j<0)-($i<0)))", none},
        {"$a", 11, "", "-2", 0, nullptr, "array_slice($a,0,-2)", none},
        {"$a", 11, "1", "-2", 0, nullptr, "array_slice($a,1,-2-(1)+count($a))", none},
        {"$d", 12, "1", "2", 1, nullptr, "array_slice($d,1,2,true)", none},
        {"$d", 12, "1", "", 1, nullptr, "array_slice($d,1,null,true)", none},
        {"$d", 12, "1", "", 0, nullptr, "array_slice($d,1,-1,true)", none},
        // reads of texts
        {"$s", 10, "0", "2", 1, nullptr, "substr($s,0,3)", none},
        {"$s", 10, "", "-2", 1, nullptr, "substr($s,0,-1)", none},
        {"$s", 10, "1", "-1", 1, nullptr, "substr($s,1)", none},
        {"$s", 10, "1", "3", 1, nullptr, "substr($s,1,3)", none},
        {"$s", 10, "0", "$j", 1, nullptr, "substr($s,0,$j-(0)+strlen($s)*($j<0)+1)", none},
        {"$s", 10, "", "$j", 0, nullptr, "substr($s,0,$j-(0)+strlen($s)*($j<0))", none},
        {"$s", 10, "1", "$j", 1, nullptr, "substr($s,1,$j-(1)+strlen($s)*($j<0)+1)", none},
        {"$s", 10, "1", "-2", 1, nullptr, "substr($s,1,-2-(1)+strlen($s)*(-2<0)+1)", none},
        {"$s", 10, "1", "-2", 0, nullptr, "substr($s,1,-2-(1)+strlen($s)*(-2<0))",
         "t.vel L1: this range symbol should not be used\n"},
        // assignments to arrays
        {"$a", 11, "1", "2", 1, "false", "array_splice($a,1,2)", none},
        {"$a", 11, "1", "2", 1, "$b", "array_splice($a,1,2,$b)", none},
        {"$a", 11, "0", "", 1, "$b", "array_splice($a,0,count($a),$b)", none},
        {"$a", 11, "2", "", 1, "$b", "array_splice($a,2,-1-(2)+count($a)+1,$b)", none},
        {"$a", 11, "0", "", 0, "$b", "array_splice($a,0,-1,$b)", none},
        {"$a", 11, "$i", "3", 1, "$b",
         "array_splice($a,$i,3-($i)+count($a)*((3<0)-($i<0))+1,$b)", none},
        // assignments to dicts
        {"$d", 12, "1", "", 1, "$b", "$d=array_replace(array_slice($d,0,1,true),$b)", none},
        {"$d", 12, "1", "3", 1, "$b",
         "$d=array_replace(array_slice($d,0,1,true),$b,array_slice($d,3+1,null,true))", none},
        {"$d", 12, "0", "", 1, "$b", "$d=$b", none},
        {"$d", 12, "", "3", 0, "$b", "$d=array_replace($b,array_slice($d,3,null,true))", none},
        {"$d", 12, "1", "", 0, "$b",
         "$d=array_replace(array_slice($d,0,1,true),$b,array_slice($d,-1,null,true))", none},
        {"$d", 12, "1", "-1", 0, "$b",
         "$d=array_replace(array_slice($d,0,1,true),$b,array_slice($d,-1,null,true))", none},
        {"$d", 12, "1", "$j", 1, "$b",
         "$d=array_replace(array_slice($d,0,1,true),$b,array_slice($d,$j+1+count($d)*($j<0),null,"
         "true))",
         none},
        // assignments to texts
        {"$s", 10, "0", "1", 1, "\"\"", "$s=substr($s,2)", none},
        {"$s", 10, "1", "2", 1, "\"X\"", "$s=substr($s,0,1).\"X\".substr($s,3)", none},
        {"$s", 10, "1", "3", 0, "'Y'", "$s=substr($s,0,1).'Y'.substr($s,3)", none},
        {"$s", 10, "2", "", 1, "\"X\"", "$s=substr($s,0,2).\"X\"", none},
        {"$s", 10, "0", "-2", 1, "\"X\"", "$s=\"X\".substr($s,-1)", none},
        {"$s", 10, "", "", 1, "\"X\"", "$s=substr($s,0,0).\"X\"", none},
        {"$s", 10, "1", "$j", 1, "''", "$s=substr($s,0,1).substr($s,$j+1+strlen($s)*($j<0))", none},
        {"$s", 10, "0", "$j", 1, "\"\"", "$s=substr($s,$j+1+strlen($s)*($j<0))", none},
        {"$s", 10, "2", "", 0, "\"X\"", "$s=substr($s,0,2).\"X\".substr(substr($s,2),-1)", none},
        {"$s", 10, "", "", 0, "\"X\"", "$s=\"X\".substr($s,-1)", none},
        {"$s", 10, "2", "", 0, "\"\"", "$s=substr($s,0,2).substr(substr($s,2),-1)", none},
        {"$s", 10, "2", "", 1, "\"\"", "$s=substr($s,0,2)", none},
        {"$s", 10, "$i", "3", 1, "\"X\"", "$s=substr($s,0,$i).\"X\".substr($s,3+1)", none},
    };
    for (const SliceCase& c : cases) {
        codeBuffer = c.container;
        sliceContainerType = c.type;
        sliceStart = c.start;
        sliceEnd = c.end;
        rangeInclusive = c.inclusive;
        std::string php;
        std::string text = diagnostics([&] {
            if (!c.value) {
                translateIntervalRead(readInterval);
                php = codeBuffer;
            } else {
                translateIntervalAssign(assignInterval);
                EXPECT_EQ(codeBuffer, c.container);
                assignInterval.valueText = c.value;
                php = translateInterval(assignInterval);
            }
        });
        std::string where = std::string(c.container) + "[" + c.start + (c.inclusive ? ".." : "--") +
                            c.end + "]" + (c.value ? " = " : "") + (c.value ? c.value : "");
        EXPECT_EQ(php, c.php) << where;
        EXPECT_EQ(text, c.report) << where;
    }
}

TEST_F(EmitSlices, ConstantBounds)
{
    EXPECT_TRUE(isConstantBound("-2"));
    EXPECT_TRUE(isConstantBound("3*2^1"));
    EXPECT_FALSE(isConstantBound("$i"));
    EXPECT_FALSE(isConstantBound("2.5"));
    EXPECT_EQ(constantBoundValue("-2"), -2);
    EXPECT_EQ(constantBoundValue("3*2"), 3);
    EXPECT_EQ(constantBoundValue("+7"), 7);
    EXPECT_EQ(constantBoundValue("*"), 0);
    EXPECT_EQ(constantBoundValue("99999999999999999999"), 2147483647);
}

TEST_F(EmitSlices, HugeConstantsStayDefined)
{
    codeBuffer = "$a";
    sliceContainerType = 11;
    sliceStart = "-99999999999999999999";
    sliceEnd = "99999999999999999999";
    rangeInclusive = 1;
    translateIntervalRead(readInterval);
    EXPECT_EQ(codeBuffer,
              "array_slice($a,-99999999999999999999,99999999999999999999-(-99999999999999999999)"
              "-count($a)+1)");
}

TEST_F(EmitSlices, UnknownIntervalKindIsIllegal)
{
    Interval interval;
    std::string php;
    std::string text = diagnostics([&] { php = translateInterval(interval); });
    EXPECT_EQ(php, "");
    EXPECT_EQ(text, "t.vel L1: illegal interval\n");
    EXPECT_STREQ(intervalOperationNames[0], "unknow");
    EXPECT_STREQ(intervalOperationNames[1], "insert");
}

TEST_F(EmitSlices, SameSignConstantsInRunTimeArithmetic)
{
    Interval interval;
    interval.container = "$a";
    interval.lowerText = "1";
    interval.upperText = "3";
    interval.lowerKind = boundConstant;
    interval.upperKind = boundConstant;
    std::string php;
    std::string text = diagnostics([&] { php = translateNegativeIndex(interval, true); });
    EXPECT_EQ(php, "3-(1)");
    EXPECT_EQ(text, "Internal error [1001] line 1\n");
    interval.lowerKind = interval.upperKind = boundNegative;
    text = diagnostics([&] { php = translateNegativeIndex(interval, false); });
    EXPECT_EQ(text, "Internal error [1002] line 1\n");
}

}  // namespace
