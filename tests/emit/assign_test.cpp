#include "emit_fixture.h"

#include <algorithm>
#include <vector>

namespace {

using EmitAssign = EmitTest;

struct Target {
    const char* text;
    int type;
    int access;          // referenceAccessKind
    int container = 0;   // indexedContainerType
};

struct Value {
    const char* text;
    int type;
    int kind;
};

struct AssignCase {
    const char* name;
    std::vector<Target> targets;
    char op;
    std::vector<Value> values;
    const char* php;
    const char* report;
};

void fillLists(const std::vector<Target>& targets, const std::vector<Value>& values, char op)
{
    resetAssignLists();
    for (const Target& t : targets) {
        lvalueText = t.text;
        currentType = t.type;
        referenceAccessKind = t.access;
        indexedContainerType = t.container;
        addLvalue();
    }
    for (const Value& v : values)
        addRvalueTyped(v.text, v.type, v.kind);
    assignTargetCount = static_cast<int>(targets.size());
    returnValueIndex = 0;
    setAssignOperator(op);
}

TEST_F(EmitAssign, AssignmentForms)
{
    const std::vector<AssignCase> cases = {
        {"pairs", {{"$a", 5, 1}, {"$b", 5, 1}}, '=', {{"1", 5, 2}, {"2", 5, 2}},
         "$a=1;\n   $b=2;\n", ""},
        {"list spread", {{"$a", 16, 1}, {"$b", 16, 1}}, '=', {{"$x", 11, 6}},
         "$_I1=$x;\n   $a=reset($_I1);\n   $b=next($_I1);\n", ""},
        {"typed array spread", {{"$a", 5, 1}, {"$b", 5, 1}}, '=', {{"$v", 29, 3}},
         "$_I1=$v;\n   $a=reset($_I1);\n   $b=next($_I1);\n", ""},
        {"one value copied", {{"$a", 5, 1}, {"$b", 5, 1}}, '=', {{"5", 5, 2}},
         "$_I1=5;\n   $a=$_I1;\n   $b=$_I1;\n", ""},
        {"copy to a slice", {{"$a", 16, 1}, {"$b", 16, 3}}, '=', {{"5", 5, 2}},
         "$_I1=5;\n   $a=$_I1;\n   b=$_I1;\n", "t.vel L1: illegal interval\n"},
        {"counts differ", {{"$a", 5, 1}, {"$b", 5, 1}, {"$c", 5, 1}}, '=',
         {{"1", 5, 2}, {"2", 5, 2}}, "", "t.vel L1: 3 required, attempting to assign 2 values\n"},
        {"text element +", {{"$s[1]", 10, 2}}, '+', {{"\"x\"", 10, 2}}, "$s[1].=\"x\";\n", ""},
        {"compound on integer", {{"$n", 5, 1}}, '-', {{"1", 5, 2}}, "$n-=1;\n", ""},
        {"integer /", {{"$n", 5, 1}}, '/', {{"2", 5, 2}}, "$n=intVal($n/2);\n", ""},
        {"integer + real", {{"$n", 5, 1}}, '+', {{"$r", 7, 2}}, "$n=intVal($n+$r);\n", ""},
        {"integer - real sum", {{"$a[1]", 5, 2}}, '-', {{"-$r+1", 7, 2}},
         "$a[1]=intVal($a[1]-(-$r+1));\n", ""},
        {"integer * number", {{"$n", 5, 1}}, '*', {{"1.5", 4, 2}}, "$n=intVal($n*1.5);\n", ""},
        {"integer + var", {{"$n", 5, 1}}, '+', {{"$v", 16, 2}}, "$n+=intVal($v);\n", ""},
        {"shift left", {{"$n", 5, 1}}, '<', {{"2", 5, 2}}, "$n<<=2;\n", ""},
        {"shift right", {{"$n", 5, 1}}, '>', {{"2", 5, 2}}, "$n>>=2;\n", ""},
        {"intVal", {{"$n", 5, 1}}, '=', {{"2.5", 7, 2}}, "$n=intVal(2.5);\n", ""},
        {"nil to a scalar", {{"$n", 5, 1}}, '=', {{"null", 24, 2}}, "$n=false;\n",
         "t.vel L1: can't assign to integer, from nil\n"},
        {"static member", {{"Counter::$total", 5, 1}}, '+', {{"1", 5, 2}},
         "Counter::$total+=1;\n", ""},
        {"remove dict element", {{"$d[$k]", 16, 2, 12}}, '=', {{"null", 24, 2}},
         "unset($d[$k]);\n", ""},
        {"remove array element", {{"$a[2]", 16, 2, 11}}, '=', {{"null", 24, 2}},
         "array_splice($a,2,1);\n", ""},
        {"remove nested element", {{"$m[1][2]", 16, 2, 11}}, '=', {{"null", 24, 2}},
         "array_splice($m[1],2,1);\n", ""},
        {"remove text character", {{"$s[1]", 10, 2, 10}}, '=', {{"null", 24, 2}}, "",
         "t.vel L1: arrays required here\n"},
        {"array +", {{"$x", 11, 4}}, '+', {{"$y", 11, 2}}, "$x=array_merge($x,$y);\n", ""},
        {"array + nil", {{"$x", 11, 4}}, '+', {{"null", 24, 2}},
         "$x=array_merge($x,array());\n", ""},
        {"array - array", {{"$x", 11, 4}}, '-', {{"$y", 11, 2}},
         "$x=array_values(array_diff($x,$y));\n", ""},
        {"array - dict", {{"$x", 11, 4}}, '-', {{"$y", 12, 2}},
         "$x=array_values(array_diff($x,$y));\n", ""},
        {"typed array - typed array", {{"$x", 30, 4}}, '-', {{"$y", 30, 2}},
         "$x=array_values(array_diff($x,$y));\n", ""},
        {"dict - array", {{"$x", 12, 4}}, '-', {{"$y", 11, 2}}, "$x=array_diff($x,$y);\n", ""},
        {"dict + dict", {{"$x", 12, 4}}, '+', {{"$y", 12, 2}}, "$x=array_replace($x,$y);\n", ""},
        {"var + dict", {{"$x", 16, 1}}, '+', {{"$y", 12, 2}},
         "$x=array_replace((array)($x),$y);\n", ""},
        {"array |", {{"$x", 11, 4}}, '|', {{"$y", 11, 2}},
         "$x=array_values(array_unique(array_merge($x,$y)));\n", ""},
        {"array &", {{"$x", 11, 4}}, '&', {{"$y", 11, 2}},
         "$x=array_values(array_intersect($x,$y));\n", ""},
        {"array #", {{"$x", 11, 4}}, '#', {{"$y", 11, 2}},
         "$x=array_values(array_intersect($x,$y));\n", ""},
        {"array ^", {{"$x", 11, 4}}, '^', {{"$y", 11, 2}},
         "$x=array_values(array_unique(array_merge(array_diff($x,$y),array_diff($y,$x))));\n", ""},
        {"dict &", {{"$x", 12, 4}}, '&', {{"$y", 12, 2}}, "$x=array_intersect($x,$y);\n", ""},
        {"array =", {{"$x", 11, 4}}, '=', {{"$y", 11, 2}}, "$x=$y;\n", ""},
        {"array *", {{"$x", 11, 4}}, '*', {{"$y", 11, 2}}, "",
         "t.vel L1: can't solve multiply expression on array and array\n"},
        {"array %", {{"$x", 11, 4}}, '%', {{"$y", 11, 2}}, "",
         "t.vel L1: can't solve modulo expression on array and array\n"},
        {"array <<", {{"$x", 12, 4}}, '<', {{"$y", 11, 2}}, "",
         "t.vel L1: can't solve shift expression on dict and array\n"},
        {"member array +", {{"$p->items", 11, 1}}, '+', {{"$y", 11, 2}},
         "$p->items=array_merge($p->items,$y);\n", ""},
        {"element array -", {{"$m[0]", 11, 2}}, '-', {{"$y", 12, 2}},
         "$m[0]=array_values(array_diff($m[0],$y));\n", ""},
        {"unknown access kind", {{"$x", 5, 7}}, '=', {{"1", 5, 2}}, "",
         "Internal error [5002] line 1\n"},
        {"nothing", {}, '=', {}, "", ""},
    };
    for (const AssignCase& c : cases) {
        SetUp();
        indentLevel = 1;
        fillLists(c.targets, c.values, c.op);
        std::string text = diagnostics(translateAssignment);
        EXPECT_EQ(output(), c.php) << c.name;
        EXPECT_EQ(text, c.report) << c.name;
        EXPECT_EQ(generatorCounter, 0) << c.name;
        TearDown();
    }
}

struct SliceTargetCase {
    const char* name;
    int type;
    const char* start;
    const char* end;
    char op;
    Value value;
    const char* php;
    const char* report;
};

TEST_F(EmitAssign, SliceTargets)
{
    const std::vector<SliceTargetCase> cases = {
        {"nil removes", 11, "1", "2", '=', {"null", 24, 2}, "array_splice($a,1,2);\n", ""},
        {"array value", 11, "1", "2", '=', {"$b", 11, 6}, "array_splice($a,1,2,$b);\n", ""},
        {"dict nil", 12, "1", "2", '=', {"null", 24, 2},
         "$a=array_diff_key($a,array_slice($a,1,2,true));\n", ""},
        {"dict value", 12, "1", "", '=', {"$b", 12, 6},
         "$a=array_replace(array_slice($a,0,1,true),$b);\n", ""},
        {"compound", 11, "0", "", '+', {"$b", 11, 6}, "array_splice($a,0,count($a),$b);\n",
         "t.vel L1: ERROR_EQUAL\n"},
    };
    for (const SliceTargetCase& c : cases) {
        SetUp();
        codeBuffer = "$a";
        sliceContainerType = c.type;
        sliceStart = c.start;
        sliceEnd = c.end;
        rangeInclusive = 1;
        translateIntervalAssign(assignInterval);
        // What the value's translation may leave behind must not matter.
        codeBuffer = "$other";
        sliceStart = sliceEnd = "9";
        rangeInclusive = 0;
        fillLists({{"$a", c.type, 3}}, {c.value}, c.op);
        std::string text = diagnostics(translateAssignment);
        EXPECT_EQ(output(), c.php) << c.name;
        EXPECT_EQ(text, c.report) << c.name;
        TearDown();
    }
}

// Each slice target writes its own slice, not the one recorded last.
TEST_F(EmitAssign, TwoSliceTargets)
{
    resetAssignLists();
    const char* containers[] = {"$a", "$b"};
    const char* starts[] = {"0", "2"};
    for (int i = 0; i < 2; ++i) {
        codeBuffer = lvalueText = containers[i];
        sliceContainerType = currentType = 11;
        sliceStart = starts[i];
        sliceEnd = "";
        rangeInclusive = 1;
        translateIntervalAssign(assignInterval);
        referenceAccessKind = 3;
        addLvalue();
    }
    addRvalueTyped("$x", 11, 6);
    addRvalueTyped("$y", 11, 6);
    setAssignOperator('=');
    translateAssignment();
    EXPECT_EQ(output(), "array_splice($a,0,count($a),$x);\n"
                        "array_splice($b,2,-1-(2)+count($b)+1,$y);\n");
}

TEST_F(EmitAssign, ErrorCatchingForm)
{
    indentLevel = 1;
    fillLists({{"$t", 10, 1}}, {{"f()", 10, 2}}, '=');
    translateErrorAssign();
    fillLists({{"$n", 5, 1}}, {{"g()", 16, 2}}, '=');
    translateErrorAssign();
    fillLists({{"$r", 7, 1}}, {{"null", 24, 2}}, '=');
    translateErrorAssign();
    fillLists({}, {}, '=');
    std::string text = diagnostics(translateErrorAssign);
    EXPECT_EQ(text, "t.vel L1: can't assign to unknow type, from unknow type\n");
    EXPECT_EQ(output(),
              "if(($error=@(f()))!=\"\" || $t===null)$t=$error;\n"
              "   else $error=false;\n"
              "if(($error=@(intVal(g())))!==false || $n===null) $n=$error;\n"
              "if(($error=@(false))!==false || $r===null) $r=$error;\n"
              "if(($error=@())!==false || $===null) $=$error;\n");
}

TEST_F(EmitAssign, ListCursorsStayInside)
{
    fillLists({{"$a", 5, 1}}, {{"1", 5, 2}}, '=');
    nextLvalue();
    nextLvalue();
    nextLvalue();
    EXPECT_EQ(lvalueList.cursor, 2);   // count + 1 at most
    EXPECT_EQ(currentLvalue(), "");
    EXPECT_EQ(lvalueAccessKind(), 0);
    EXPECT_EQ(lvalueType(), 0);
    EXPECT_EQ(nextRvalue(), "1");
    EXPECT_EQ(nextRvalue(), "");
    EXPECT_EQ(rvalueType(), 0);
    EXPECT_EQ(rvalueFlagAt(), 0);
    setRvalueType(11);   // past the end: ignored
    EXPECT_EQ(lastLvalue(), 0);
    EXPECT_EQ(prevLvalue(), 0);
    rewindRvalues();
    setRvalueType(11);
    EXPECT_EQ(rvalueType(), 11);
    resetRvalues();
    EXPECT_EQ(rvalueList.count, 0);
    EXPECT_EQ(lvalueList.count, 1);
    resetAssignLists();
    EXPECT_EQ(assignedFlag, 64);
}

TEST_F(EmitAssign, AdderFieldsAndExpressionTargets)
{
    exprAppend("$x[1]");
    currentType = 10;
    referenceAccessKind = 2;
    lvalueFlag = 10;
    indexedContainerType = 30;
    addLvalueExpr();
    rvalueFlag = 18;
    currentType = 29;
    addRvalue("$v");
    EXPECT_EQ(currentLvalue(), "$x[1]");
    EXPECT_EQ(lvalueType(), 10);
    EXPECT_EQ(lvalueAccessKind(), 2);
    EXPECT_EQ(lvalueFlagAt(), 10);
    EXPECT_EQ(lvalueList.atCursor().containerType, 30);
    EXPECT_EQ(rvalueKind(), 0);
    EXPECT_EQ(rvalueType(), 29);
    EXPECT_EQ(rvalueFlagAt(), 18);
}

// A statement with a thousand targets and values is written in full.
TEST_F(EmitAssign, ThousandPairs)
{
    std::vector<Target> targets;
    std::vector<Value> values;
    std::vector<std::string> names;
    for (int i = 0; i < 1000; ++i)
        names.push_back("$v" + std::to_string(i));
    for (const std::string& name : names) {
        targets.push_back({name.c_str(), 5, 1});
        values.push_back({"7", 5, 2});
    }
    fillLists(targets, values, '=');
    translateAssignment();
    std::string php = output();
    EXPECT_EQ(std::count(php.begin(), php.end(), '\n'), 1000);
    EXPECT_EQ(php.substr(php.size() - 9), "$v999=7;\n");
    EXPECT_EQ(errorCount, 0);
}

}  // namespace
