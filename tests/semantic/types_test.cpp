// Type names, the compatibility matrix, the checks and the text helpers.
#include "semantic_fixture.h"

#include <functional>

namespace {

using Types = SemanticTest;

TEST_F(Types, NamesByCodeAndOutsideTheTable) {
    EXPECT_EQ(typeName(0), "unknow type");
    EXPECT_EQ(typeName(22), "char *");
    EXPECT_EQ(typeName(35), "file array");
    EXPECT_EQ(typeName(36), "?");
    EXPECT_EQ(typeNames[37], nullptr);
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(typeName(37), "error"); }), "Internal error [3001] line 1\n");
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(typeName(-1), "error"); }), "Internal error [3001] line 1\n");
    EXPECT_EQ(errorCount, 2);
}

TEST_F(Types, MatrixRowIsTargetOrLeftColumnIsValueOrRight) {
    struct Cell {
        int row, column, result;
    };
    const Cell cells[] = {
        {4, 5, 4},   {5, 4, 4},   {5, 7, 7},    {7, 5, 7},   {5, 5, 5},    {12, 11, 12},
        {11, 12, 0}, {3, 14, 15}, {14, 3, 0},   {10, 21, 21}, {21, 10, 21}, {29, 18, 29},
        {18, 29, 18}, {17, 25, 17}, {25, 17, 18}, {2, 10, 2}, {10, 5, 0},   {24, 7, 4},
        {7, 24, 4},  {16, 5, 16}, {19, 29, 29}, {29, 30, 0}, {35, 18, 35},  {18, 35, 18},
        {26, 26, 26}, {0, 0, 0},  {1, 1, 1},
    };
    for (const Cell& c : cells)
        EXPECT_EQ(typeMatrix[c.row][c.column], c.result) << c.row << "," << c.column;
    int nonZero = 0, sum = 0;
    for (int row = 0; row < 36; ++row)
        for (int column = 0; column < 36; ++column) {
            nonZero += typeMatrix[row][column] != 0;
            sum += typeMatrix[row][column];
        }
    EXPECT_EQ(nonZero, 402);
    EXPECT_EQ(sum, 5726);
}

TEST_F(Types, MatrixOutsideTheCodesReadsZero) {
    EXPECT_EQ(typeMatrix[36][16], 0);
    EXPECT_EQ(typeMatrix[-1][5], 0);
    EXPECT_EQ(typeMatrix[16][36], 0);
    EXPECT_EQ(typeMatrix[16][5 + 128], 0);
}

TEST_F(Types, ArrayKindsElementsAndDefaults) {
    for (int type : {11, 12, 18, 29, 35}) EXPECT_TRUE(isArrayType(type)) << type;
    for (int type : {10, 16, 17, 19, 36}) EXPECT_FALSE(isArrayType(type)) << type;
    const int elements[][2] = {{29, 5}, {30, 10}, {31, 8}, {32, 7}, {33, 4}, {34, 15}, {35, 13}, {11, 11}};
    for (const auto& e : elements) EXPECT_EQ(elementType(e[0]), e[1]) << e[0];
    const int arrays[][2] = {{4, 33}, {5, 29}, {7, 32}, {8, 31}, {10, 30}, {13, 35}, {14, 34}, {15, 34}};
    for (const auto& a : arrays) {
        currentType = 99;
        setArrayOfType(a[0]);
        EXPECT_EQ(currentType, a[1]) << a[0];
    }
    currentType = 3;
    setArrayOfType(3);
    EXPECT_EQ(currentType, 3);
    setArrayOfType(40);
    EXPECT_EQ(currentType, 3);
    EXPECT_EQ(defaultValueOf(10), "\"\"");
    for (int type : {11, 12, 18, 29, 35}) EXPECT_EQ(defaultValueOf(type), "array()") << type;
    for (int type : {-1, 0, 5, 13, 16, 24, 36, 99}) EXPECT_EQ(defaultValueOf(type), "false") << type;
}

struct CheckCase {
    const char* what;
    std::function<void()> check;
    int type;  // currentType afterwards (-1: left as it was)
    const char* line;  // diagnostic, after "t.vel L1: ", or "" for none
};

void runChecks(const std::vector<CheckCase>& cases) {
    for (const CheckCase& c : cases) {
        currentType = -1;
        errorCount = 0;
        std::string printed = SemanticTest::diagnostics(c.check);
        std::string expected = *c.line ? std::string("t.vel L1: ") + c.line + "\n" : "";
        EXPECT_EQ(printed, expected) << c.what;
        EXPECT_EQ(errorCount, *c.line ? 1 : 0) << c.what;
        EXPECT_EQ(currentType, c.type) << c.what;
    }
}

TEST_F(Types, OperatorChecksSetResultTypeAndReport) {
    runChecks({
        {"int * int", [] { checkArithmetic(5, 5, Msg::wordMultiply); }, 5, ""},
        {"int / int", [] { checkArithmetic(5, 5, Msg::wordDivide); }, 4, ""},
        {"real / int", [] { checkArithmetic(7, 5, Msg::wordDivide); }, 7, ""},
        {"number + int", [] { checkArithmetic(4, 5, Msg::wordAddSubtract); }, 4, ""},
        {"text - int", [] { checkArithmetic(10, 5, Msg::wordAddSubtract); }, 0,
         "can't solve add or substract expression on text and integer"},
        {"bool and bool", [] { checkLogical(3, 3); }, 3, ""},
        {"text and bool", [] { checkLogical(10, 3); }, 3,
         "can't solve boolean expression on text and boolean"},
        {"int & real", [] { checkBitwise(5, 7); }, 5, ""},
        {"real & int", [] { checkBitwise(7, 5); }, 7, ""},
        {"text & int", [] { checkBitwise(10, 5); }, 3,
         "can't solve binary expression on text and integer"},
        {"int < real", [] { checkRelational(5, 7); }, 3, ""},
        {"text < int", [] { checkRelational(10, 5); }, 3,
         "can't solve relational expression on text and integer"},
        {"var, var", [] { checkArrayOperand(16, 16); }, 11, ""},
        {"var, dict", [] { checkArrayOperand(16, 12); }, 12, ""},
        {"dict, var", [] { checkArrayOperand(12, 16); }, 12, ""},
        {"text array twice", [] { checkArrayOperand(30, 30); }, 30, ""},
        {"array, dict", [] { checkArrayOperand(11, 12); }, 18,
         "can't solve array expression on array and dict"},
        {"int, int", [] { checkArrayOperand(5, 5); }, 18,
         "can't solve array expression on integer and integer"},
        {"same typed arrays", [] { checkSameArrayType(29, 29); }, -1, ""},
        {"other typed arrays", [] { checkSameArrayType(29, 30); }, 18,
         "can't solve array expression on int array and text array"},
    });
}

TEST_F(Types, MembershipChecks) {
    runChecks({
        {"int in int array", [] { checkOperandForOperator(5, 29); }, 3, ""},
        {"int in number array", [] { checkOperandForOperator(5, 33); }, 3, ""},
        {"var in text array", [] { checkOperandForOperator(16, 30); }, 3, ""},
        {"int in text array", [] { checkOperandForOperator(5, 30); }, 0,
         "\"text array\" doesn't match in operator"},
        {"text in text", [] { checkOperandForOperator(10, 10); }, 3, ""},
        {"int in char *", [] { checkOperandForOperator(5, 22); }, 3, ""},
        {"int in list", [] { checkOperandForOperator(5, 18); }, 0,
         "\"list\" doesn't match in operator"},
    });
}

TEST_F(Types, AssignmentChecks) {
    auto assign = [](int target, int value, char op = '=', int special = 0) {
        return [=] {
            assignOperator = op;
            specialObjectFlag = special;
            checkAssignment(target, value);
            assignOperator = '=';
            specialObjectFlag = 0;
        };
    };
    runChecks({
        {"var from text", assign(16, 10), -1, ""},
        {"dict from array", assign(12, 11), -1, ""},
        {"array from dict", assign(11, 12), -1, "can't assign to array, from dict"},
        {"array += dict", assign(11, 12, '+'), -1, ""},
        {"object from object", assign(15, 15), -1, ""},
        {"object from text", assign(15, 10), -1, "can't assign to object, from text"},
        {"special object from text", assign(15, 10, '=', 256), -1, ""},
        {"int array from text", assign(29, 10), -1, "can't assign to int array, from text"},
        {"int array from int", assign(29, 5), -1, ""},
        {"int array from list", assign(29, 18), -1, ""},
        {"int array from nil", assign(29, 24), -1, ""},
        {"int array from text array", assign(29, 30), -1,
         "can't assign to int array, from text array"},
        {"number array += int", assign(33, 5, '+'), -1, ""},
        {"text array += int", assign(30, 5, '+'), -1,
         "can't solve array expression on text array and integer"},
        {"int from text", assign(5, 10), -1, "can't assign to integer, from text"},
        {"real from int", assign(7, 5), -1, ""},
        {"assignable int from real", [] { checkAssignable(5, 7); }, -1,
         "can't assign to integer, from real"},
        {"assignable number from natural", [] { checkAssignable(4, 8); }, -1, ""},
        {"element of int array from text", [] { checkElementAssign(29, 10); }, -1,
         "can't solve array expression on int array and text"},
        {"element of number array from int", [] { checkElementAssign(33, 5); }, -1, ""},
    });
}

TEST_F(Types, SequenceAndStaticAttributeChecks) {
    openClass("Shape");
    symbolTable.endClass();
    runChecks({
        {"integer is no sequence", [] { currentType = 5; requireSequence(); currentType = -1; }, -1,
         "dynamic list required, found integer"},
        {"text is a sequence", [] { currentType = 10; requireSequence(); currentType = -1; }, -1, ""},
        {"int array is a sequence", [] { currentType = 29; requireSequence(); currentType = -1; }, -1, ""},
        {"dynamic member of a class",
         [] { currentIdentifier = "Shape"; memberName = "x"; staticFlag = 0; checkStaticAttribute(); },
         -1, "\"x\" is not a static attribute"},
        {"static member of a class",
         [] { currentIdentifier = "Shape"; staticFlag = 128; checkStaticAttribute(); }, -1, ""},
        {"member of an object",
         [] { currentIdentifier = "shape"; staticFlag = 0; checkStaticAttribute(); }, -1, ""},
    });
}

TEST_F(Types, TextHelpers) {
    const std::pair<const char*, int> numbers[] = {
        {"42abc", 42}, {"-7", -7}, {"+3", 3}, {"x1", 0}, {"", 0}, {"4294967297", 1},
        {"99999999999999999999", -1}, {"0x10", 0},
    };
    for (const auto& n : numbers) EXPECT_EQ(parseIntLiteral(n.first), n.second) << n.first;

    for (const char* text : {"1+2*3", "", "10%3-4/2"}) EXPECT_TRUE(isConstantArithmetic(text)) << text;
    for (const char* text : {"1.5", "a", "\xc3\xa9"}) EXPECT_FALSE(isConstantArithmetic(text)) << text;

    for (const char* text : {"f(x)", "$f(1)", "a_b()"}) EXPECT_TRUE(looksLikeCall(text)) << text;
    for (const char* text : {"$o->f(", "(x)", "f", ""}) EXPECT_FALSE(looksLikeCall(text)) << text;

    for (const char* text : {"a_1", "$a", "1a"}) EXPECT_TRUE(isIdentifier(text)) << text;
    for (const char* text : {"a$", "", "a-b", "\xc3\xa9"}) EXPECT_FALSE(isIdentifier(text)) << text;

    std::string real = "1.5r";
    EXPECT_EQ(stripRealSuffix(real), "1.5");
    EXPECT_EQ(real, "1.5");
    EXPECT_EQ(stripRealSuffix(std::string("2R")), "2");
    EXPECT_EQ(stripRealSuffix(std::string("1.5")), "1.5");
    EXPECT_EQ(stripRealSuffix(std::string("")), "");

    for (const char* name : {"a.VEL", "a.vel\"", "lib/b.Vel'"}) EXPECT_TRUE(hasVelExtension(name)) << name;
    for (const char* name : {".vel", ".vel\"", "a.php", "avel"}) EXPECT_FALSE(hasVelExtension(name)) << name;
    EXPECT_TRUE(hasPhpExtension("a.PHP"));
    EXPECT_FALSE(hasPhpExtension("a.vel"));

    EXPECT_TRUE(equalsIgnoreCase("LENGTH", "length"));
    EXPECT_FALSE(equalsIgnoreCase("ab", "abc"));
    EXPECT_FALSE(equalsIgnoreCase("\xc1", "\xe1"));  // bytes above 127 are compared as they are
    EXPECT_TRUE(equalsIgnoreCaseBytes("\xc1", "\xe1"));

    EXPECT_TRUE(hasNoOperatorChars("abc_1"));
    EXPECT_FALSE(hasNoOperatorChars("a.b"));
    EXPECT_FALSE(hasNoOperatorChars("f(x"));
    EXPECT_EQ(intToText(-12), "-12");
}

}  // namespace
