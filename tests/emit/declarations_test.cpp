#include "emit_fixture.h"

#include <vector>

namespace {

class EmitDeclarations : public EmitTest {
protected:
    void SetUp() override
    {
        EmitTest::SetUp();
        currentKind = 1;
    }

    void TearDown() override
    {
        resetSemanticFile();
        EmitTest::TearDown();
    }

    // Declares `name` as the declaration rules do: name in currentIdentifier
    // and codeBuffer, type in currentType.
    static std::string declare(const std::string& name, int type = 5)
    {
        currentIdentifier = name;
        codeBuffer = name;
        currentType = type;
        return diagnostics([] { declareVariable(64); });
    }

    static ClassRecord* addClass(const std::string& name, const std::string& parent = "")
    {
        ClassRecord* record = new ClassRecord;
        record->name = name;
        record->parentName = parent;
        record->typeCode = 25;
        classTable.push_back(record);
        return record;
    }

    static void addAttribute(ClassRecord* record, const std::string& name, unsigned flags,
                             int classIndex = 0)
    {
        record->attributes.push_back(new Symbol(name, name, flags, 1, classIndex));
    }

    static void enterClass(ClassRecord* record)
    {
        symbolTable.currentClass = record;
        symbolTable.parentClassName = record->parentName;
        inClass = 1;
    }
};

TEST_F(EmitDeclarations, DuplicatesInEachScope)
{
    EXPECT_EQ(declare("x"), "");
    ASSERT_EQ(symbolTable.globals.size(), 1u);
    EXPECT_EQ(symbolTable.globals[0]->flags, 64u | 5u);
    EXPECT_EQ(declare("X"), "t.vel L1: \"X\" duplicate name\n");
    EXPECT_EQ(symbolTable.globals.size(), 1u);

    inFunction = 1;
    EXPECT_EQ(declare("y"), "");
    EXPECT_EQ(declare("y"), "t.vel L1: \"y\" already declared in function\n");
    EXPECT_EQ(declare("x"), "t.vel L1: \"x\" already declared as global\n");
    EXPECT_EQ(symbolTable.locals.size(), 1u);

    blockDepth = 0;
    inBlockScope = 1;
    EXPECT_EQ(declare("z"), "");
    EXPECT_EQ(symbolTable.blockScopes[0].size(), 1u);
    EXPECT_EQ(declare("Z"), "t.vel L1: \"Z\" already declared in a block\n");
    EXPECT_EQ(declare("Y"), "t.vel L1: \"Y\" already declared in function\n");
    EXPECT_EQ(errorCount, 5);
}

TEST_F(EmitDeclarations, ClassBodyAndMethods)
{
    ClassRecord* shape = addClass("Shape");
    enterClass(shape);
    staticModifier = 128;
    EXPECT_EQ(declare("count"), "");
    staticModifier = 0;
    EXPECT_EQ(shape->attributes.back()->flags, 64u | 128u | 5u);
    EXPECT_EQ(declare("count"), "t.vel L1: \"count\" duplicate name\n");
    EXPECT_EQ(shape->attributes.size(), 1u);

    inFunction = 1;
    EXPECT_EQ(declare("Count"), "t.vel L1: \"Count\" already declared in class\n");
    EXPECT_EQ(declare("n"), "");
    EXPECT_EQ(declare("n"), "t.vel L1: \"n\" already declared in function\n");
    EXPECT_EQ(symbolTable.locals.size(), 1u);
}

TEST_F(EmitDeclarations, GlobalDeclarationLine)
{
    indentLevel = 1;
    codeBuffer = "x";
    emitGlobalDeclaration();
    codeBuffer = "$y";
    emitGlobalDeclaration();
    EXPECT_EQ(output(), "global $x;\n   global $y;\n   ");
    EXPECT_EQ(newlineState, 0);
}

TEST_F(EmitDeclarations, InstanceMembers)
{
    ClassRecord* base = addClass("Base");
    addAttribute(base, "size", 5);
    addAttribute(base, "total", 128 | 5);
    base->methods.push_back(new FunctionRecord("draw"));
    ClassRecord* shape = addClass("Shape", "Base");
    addAttribute(shape, "a", 5);
    addAttribute(shape, "s", 128 | 5);
    shape->methods.push_back(new FunctionRecord("area"));

    EXPECT_EQ(isInstanceMember("a"), 0);   // outside a class
    enterClass(shape);
    inFunction = 1;
    struct Case {
        const char* name;
        int expected;
    };
    const std::vector<Case> cases = {
        {"a", 1},    {"s", 0},     {"area", 1},  {"size", 1}, {"total", 0},
        {"draw", 1}, {"Base", 0},  {"other", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isInstanceMember(c.name), c.expected) << c.name;

    symbolTable.locals.push_back(new Symbol("a", "a", 5, 1, 0));
    EXPECT_EQ(isInstanceMember("a"), 0);
    symbolTable.locals.clear();

    // In a method its own mark counts, not the modifier of the last
    // declaration: a local declaration resets that one.
    staticMethodMarker = 128;
    int result = 0;
    std::string text = diagnostics([&] { result = isInstanceMember("a"); });
    staticMethodMarker = 0;
    EXPECT_EQ(result, 1);
    EXPECT_EQ(text, "t.vel L1: static method can't use dynamic attribute\n");
    staticModifier = 128;
    text = diagnostics([&] { result = isInstanceMember("a"); });
    staticModifier = 0;
    EXPECT_EQ(text, "");
}

TEST_F(EmitDeclarations, ClassMembersOfOtherClasses)
{
    ClassRecord* point = addClass("Point");
    addAttribute(point, "x", 64 | 7);
    ClassRecord* counter = addClass("Counter");
    addAttribute(counter, "total", 64 | 128 | 5);
    inFunction = 1;

    // p.x with p a Point object
    currentIdentifier = "p";
    currentType = 15;
    ownerClassIndex = 0;
    memberName = "x";
    std::string text = diagnostics(resolveClassMember);
    EXPECT_EQ(text, "");
    EXPECT_EQ(currentType, 7);
    EXPECT_EQ(assignedFlag, 64);
    EXPECT_EQ(ownerClassName, "Point");

    // Counter.total, twice: static, reached as Counter::$total, no global line
    for (int i = 0; i < 2; ++i) {
        staticFlag = 1;
        ownerClassName = "Counter";
        memberName = "total";
        codeBuffer = "Counter::$total";
        text = diagnostics(resolveClassMember);
        EXPECT_EQ(text, "");
        EXPECT_EQ(staticFlag, 128);
        EXPECT_EQ(currentType, 5);
    }
    EXPECT_EQ(output(), "");
    EXPECT_EQ(codeBuffer, "Counter::$total");

    staticFlag = 0;
    currentIdentifier = "n";
    currentType = 10;
    text = diagnostics(resolveClassMember);
    EXPECT_EQ(text, "t.vel L1: n is text, instance required\n");

    currentIdentifier = "p";
    currentType = 15;
    ownerClassIndex = 0;
    memberName = "z";
    text = diagnostics(resolveClassMember);
    EXPECT_EQ(text, "t.vel L1: \"Point.z\" not declared\n");
}

TEST_F(EmitDeclarations, InheritedAttributes)
{
    ClassRecord* base = addClass("Base");
    addAttribute(base, "n", 64 | 128 | 5, 3);
    addAttribute(base, "m", 7);
    ClassRecord* sub = addClass("Sub", "Base");
    ClassRecord* alone = addClass("Alone");
    enterClass(sub);
    codeBuffer = "n";
    EXPECT_EQ(loadClassAttribute("n"), 1);
    EXPECT_EQ(codeBuffer, "self::$n");
    EXPECT_EQ(currentType, 5);
    EXPECT_EQ(staticFlag, 128);
    EXPECT_EQ(currentClassIndex, 3);
    codeBuffer = "m";
    EXPECT_EQ(loadClassAttribute("m"), 1);
    EXPECT_EQ(codeBuffer, "m");
    EXPECT_EQ(assignedFlag, 0);
    EXPECT_EQ(loadClassAttribute("q"), 0);
    enterClass(alone);
    EXPECT_EQ(loadClassAttribute("n"), 0);
}

struct ConstructorCase {
    const char* name;
    int level;
    const char* parentConstructor;   // method of the parent class, or null
    bool parent;
    const char* php;
};

TEST_F(EmitDeclarations, GeneratedConstructor)
{
    const std::vector<ConstructorCase> cases = {
        {"parent with constructor", 0, "Base", true,
         "function __construct(){\nparent::__construct();\n   $this->x=1;\n   $this->y=2;\n}\n"},
        {"indented", 1, "__construct", true,
         "   function __construct()   {\nparent::__construct();\n      $this->x=1;\n      "
         "$this->y=2;\n   }\n"},
        {"parent without constructor", 0, "other", true,
         "function __construct(){\n   $this->x=1;\n   $this->y=2;\n}\n"},
        {"no parent", 0, nullptr, false,
         "function __construct(){\n   $this->x=1;\n   $this->y=2;\n}\n"},
    };
    for (const ConstructorCase& c : cases) {
        SetUp();
        ClassRecord* base = addClass("Base");
        if (c.parentConstructor)
            base->methods.push_back(new FunctionRecord(c.parentConstructor));
        ClassRecord* shape = addClass("Shape", c.parent ? "Base" : "");
        enterClass(shape);
        indentLevel = c.level;
        symbolTable.constructorLines = {"$this->x=1;\n", "$this->y=2;\n"};
        symbolTable.constructorWritten = 0;
        emitGeneratedConstructor(symbolTable);
        EXPECT_EQ(output(), c.php) << c.name;
        EXPECT_EQ(indentLevel, c.level) << c.name;
        EXPECT_EQ(symbolTable.constructorWritten, 1) << c.name;
        TearDown();
    }
}

// A parent whose own constructor was generated has one for its children.
TEST_F(EmitDeclarations, GeneratedConstructorOfTheParent)
{
    ClassRecord* base = addClass("Root");
    enterClass(base);
    symbolTable.constructorLines = {"$this->a=0;\n"};
    emitGeneratedConstructor(symbolTable);
    ClassRecord* leaf = addClass("Leaf", "Root");
    enterClass(leaf);
    symbolTable.constructorLines = {"$this->b=0;\n"};
    emitGeneratedConstructor(symbolTable);
    EXPECT_EQ(output(),
              "function __construct(){\n   $this->a=0;\n}\n"
              "function __construct(){\nparent::__construct();\n   $this->b=0;\n}\n");
}

// Classes that name each other as parents end the walk.
TEST_F(EmitDeclarations, ParentCycleEnds)
{
    addClass("A", "B");
    ClassRecord* b = addClass("B", "A");
    enterClass(b);
    symbolTable.constructorLines = {"$this->z=0;\n"};
    emitGeneratedConstructor(symbolTable);
    EXPECT_EQ(output(), "function __construct(){\n   $this->z=0;\n}\n");
}

}  // namespace
