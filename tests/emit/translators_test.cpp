#include "emit_fixture.h"

#include <vector>

namespace {

using EmitTranslators = EmitTest;

struct TextCase {
    const char* input;
    const char* expected;
};

TEST_F(EmitTranslators, IncludeTargets)
{
    const std::vector<TextCase> cases = {
        {"\"lib/util.vel\"", "\"lib/util.php\""},
        {"\"util.inc\"", "\"util.inc.php\""},
        {"'UTIL.VEL'", "\"UTIL.php\""},
        {"\"a.vel.vel\"", "\"a.vel.php\""},
        {"\"c:\\\\x\\\\$y\\\".vel\"", "\"c:\\\\\\\\x\\\\\\\\\\$y\\\\\\\".php\""},
        {"\"noext\"", "\"noext.php\""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(includeTarget(c.input), c.expected) << c.input;
}

TEST_F(EmitTranslators, QuoteConversions)
{
    EXPECT_EQ(toDoubleQuoted("'a\"b$c{d}'"), "\"a\\\"b\\$c\\{d\\}\"");
    EXPECT_EQ(toDoubleQuoted("'a\\$b'"), "\"a\\$b\"");
    EXPECT_EQ(toDoubleQuoted("''"), "\"\"");
    EXPECT_EQ(toSingleQuoted("\"abc\""), "'abc'");
    EXPECT_EQ(toSingleQuoted("abc"), "abc");
}

struct InterpolationCase {
    const char* literal;
    std::vector<std::string> pieces;
    bool found;
};

TEST_F(EmitTranslators, SplitInterpolation)
{
    const std::vector<InterpolationCase> cases = {
        {"`Hello $name!`", {"\"Hello \"", ".", "$name", ".", "\"!\""}, true},
        {"`plain text`", {"\"plain text\""}, false},
        {"``", {"\"\""}, false},
        {"`$a`", {"$a"}, true},
        {"`$a$b`", {"$a", ".", "$b"}, true},
        {"`$my_var.`", {"$my_var", ".", "\".\""}, true},
        {"`cost: \\$5 or \\$x`", {"\"cost: \\$5 or \\$x\""}, false},
        {"`50$ and $`", {"\"50\\$ and \\$\""}, false},
        {"`$$x`", {"\"\\$\"", ".", "$x"}, true},
        {"`say \"hi\" $who`", {"\"say \\\"hi\\\" \"", ".", "$who"}, true},
        {"`${x} $1`", {"\"\\${x} \\$1\""}, false},
        {"`a\\n$x\\`", {"\"a\\n\"", ".", "$x", ".", "\"\\\\\""}, true},
        {"`$x->y`", {"$x", ".", "\"->y\""}, true},
    };
    for (const InterpolationCase& c : cases) {
        std::string literal = c.literal;
        EXPECT_EQ(splitInterpolation(literal), c.found) << c.literal;
        EXPECT_EQ(interpolationPieces, c.pieces) << c.literal;
    }
    std::string changed = "`x $y`";
    splitInterpolation(changed);
    EXPECT_EQ(changed, "x $y");
}

TEST_F(EmitTranslators, EchoAndPrint)
{
    exprAppend("$n");
    currentType = 5;
    setExprType();
    pushExpression();
    exprAppend("$a");
    currentType = 11;
    setExprType();
    pushExpression();
    exprAppend("$v");
    currentType = 16;
    setExprType();
    emitEcho(false);
    EXPECT_EQ(output(), "echo $n,var_export($a,true),var_export($v,true)");
    EXPECT_EQ(currentType, 16);

    SetUp();
    exprAppend("\"a\"");
    currentType = 10;
    setExprType();
    pushExpression();
    exprAppend("1");
    currentType = 5;
    setExprType();
    emitEcho(true);
    EXPECT_EQ(output(), "echo \"a\", \" \", 1");
}

TEST_F(EmitTranslators, IntvalConversion)
{
    EXPECT_FALSE(needsIntval(5, 24));
    EXPECT_FALSE(needsIntval(5, 5));
    EXPECT_TRUE(needsIntval(5, 7));
    EXPECT_FALSE(needsIntval(7, 10));
    EXPECT_EQ(wrapIntval("$x/2"), "intVal($x/2)");
}

TEST_F(EmitTranslators, ReturnValues)
{
    FunctionRecord f("f");
    f.addReturnType(5);
    f.addReturnType(10);
    currentFunction = &f;
    exprAppend("$r/2");
    currentType = 4;
    emitReturnValue();
    clearExpression();
    exprAppend("$t");
    currentType = 7;
    emitReturnValue();
    currentFunction = nullptr;
    EXPECT_EQ(output(), "intVal($r/2)$t");
    EXPECT_EQ(f.returnedTypes, (std::vector<int>{4, 7}));
    EXPECT_EQ(f.cursor, 2);
}

TEST_F(EmitTranslators, FileStoreAndIndentedExpression)
{
    translateFileStore("$lines", "$f", true);
    exprAppend(";");
    translateFileStore("$lines", "\"x.txt\"", false);
    EXPECT_EQ(currentExpression(), "file_put_contents($f,implode(\"\\n\",$lines));"
                                   "file_put_contents(\"x.txt\",implode($lines))");
    clearExpression();
    indentLevel = 2;
    emitIndentedExpression("x");
    EXPECT_EQ(currentExpression(), "      x");
}

TEST_F(EmitTranslators, ElementRemovals)
{
    translateArrayRemoveAt("a[3]");
    translateArrayRemoveAt("m[1][$i+2]");
    translateArrayRemoveAt("a[b[1]]");
    translateArrayRemoveAt("this->list[0]");
    translateArrayRemoveAt("noindex");
    translateArrayRemoveValue("d[$k]");
    translateArrayRemoveValue("d[\"x\"][\"y\"]");
    translateArrayRemoveValue("d");
    EXPECT_EQ(output(),
              "array_splice($a,3,1);\n"
              "array_splice($m[1],$i+2,1);\n"
              "array_splice($a,b[1],1);\n"
              "array_splice($this->list,0,1);\n"
              "unset($d[$k]);\n"
              "unset($d[\"x\"][\"y\"]);\n");
}

TEST_F(EmitTranslators, Membership)
{
    leftOperandText = "$x";
    rightOperandText = "$c";
    const std::vector<std::pair<int, const char*>> cases = {
        {11, "in_array($x,$c)"}, {12, "in_array($x,$c)"},  {29, "in_array($x,$c)"},
        {35, "in_array($x,$c)"}, {10, "(strpos($c,$x)!==false)"}, {30, "in_array($x,$c,true)"},
    };
    for (const auto& c : cases) {
        currentType = c.first;
        EXPECT_EQ(translateInList(), c.second) << c.first;
    }
    // a text is looked for as a text; numbers compare by value
    currentType = 11;
    EXPECT_EQ(translateInList(10), "in_array($x,$c,true)");
    EXPECT_EQ(translateInList(5), "in_array($x,$c)");
    currentType = 32;
    EXPECT_EQ(translateInList(5), "in_array($x,$c)");
    currentType = 5;
    std::string result = "?";
    std::string text = diagnostics([&] { result = translateInList(); });
    EXPECT_EQ(result, "");
    EXPECT_EQ(text, "t.vel L1: unknown type in InList\n");
}

TEST_F(EmitTranslators, SetOperations)
{
    leftOperandText = "$a";
    rightOperandText = "$b";
    translateListSetOp(1);
    EXPECT_EQ(setOperationText, "array_intersect($a,$b)");
    translateListSetOp(2);
    EXPECT_EQ(setOperationText, "array_unique(array_merge($a,$b))");
    translateListSetOp(3);
    EXPECT_EQ(setOperationText,
              "array_unique(array_merge(array_diff($a,$b),array_diff($b,$a)))");
    translateListSetOp(9);
    EXPECT_EQ(setOperationText,
              "array_unique(array_merge(array_diff($a,$b),array_diff($b,$a)))");
    // a list is numbered again
    translateListSetOp(1, true);
    EXPECT_EQ(setOperationText, "array_values(array_intersect($a,$b))");
    translateListSetOp(9, true);
    EXPECT_EQ(setOperationText, "array_values(array_intersect($a,$b))");
}

struct ListOperatorCase {
    int leftType;
    int rightType;
    int code;   // 1 "&", 2 "|", 3 "^"
    const char* text;
    int type;
    const char* report;
};

// The operator rules save the left operand and the code, then translate
// the right operand on the same level.
TEST_F(EmitTranslators, BitwiseAndSetOperators)
{
    const std::vector<ListOperatorCase> cases = {
        {5, 5, 2, "$l|$r", 5, ""},
        {7, 5, 1, "(int)($l)&$r", 7, ""},
        {5, 8, 3, "$l^$r", 5, ""},
        {16, 5, 3, "$l^$r", 5, ""},
        {11, 11, 2, "array_values(array_unique(array_merge($l,$r)))", 11, ""},
        {12, 16, 1, "array_intersect($l,(array)($r))", 12, ""},
        {16, 11, 3,
         "array_values(array_unique(array_merge(array_diff((array)($l),$r),array_diff($r,(array)($l)))))",
         11, ""},
        {29, 5, 2, "array_values(array_unique(array_merge($l,array($r))))", 29, ""},
        {12, 12, 2, "array_unique(array_merge($l,$r))", 12, ""},
        {11, 12, 1, "array_values(array_intersect($l,$r))", 18,
         "t.vel L1: can't solve array expression on array and dict\n"},
        {10, 10, 2, "$r", 10, "t.vel L1: can't solve such expression on text and text\n"},
        {5, 10, 2, "$l|$r", 3, "t.vel L1: can't solve binary expression on integer and text\n"},
    };
    for (const ListOperatorCase& c : cases) {
        SetUp();
        exprAppend("$l");
        currentType = c.leftType;
        saveLeftOperand();
        pushListOperator(c.code);
        exprAppend("$r");
        currentType = c.rightType;
        std::string text = diagnostics(translateListOperator);
        EXPECT_EQ(currentExpression(), c.text) << c.leftType << " " << c.rightType;
        EXPECT_EQ(currentType, c.type) << c.leftType << " " << c.rightType;
        EXPECT_EQ(text, c.report) << c.leftType << " " << c.rightType;
        EXPECT_TRUE(leftTypeStack.empty());
        EXPECT_TRUE(savedOperandTexts.empty());
        EXPECT_TRUE(listOperatorStack.empty());
        TearDown();
    }
}

TEST_F(EmitTranslators, ApplyListOperator)
{
    leftOperandText = "$a";
    rightOperandText = "$b";
    pushListOperator(1);
    currentType = 11;
    applyListOperator();
    EXPECT_EQ(setOperationText, "array_intersect($a,$b)");
    currentType = 5;
    std::string text = diagnostics(applyListOperator);
    EXPECT_EQ(text, "t.vel L1: this operator requires either two booleans or two arrays\n");
}

}  // namespace
