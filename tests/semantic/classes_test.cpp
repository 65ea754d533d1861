// Classes: the class list, overloads, parent-chain searches and their
// cycles, constructors.
#include "semantic_fixture.h"

namespace {

using Classes = SemanticTest;

// The list's index: a name before a tail wherever each lies, the first of
// each, many classes, and a list emptied and filled again.
TEST_F(Classes, IndexedByNameAndTail) {
    ClassTable table;
    auto add = [&table](const std::string& name) {
        ClassRecord* record = new ClassRecord();
        record->name = name;
        table.push_back(record);
        return record;
    };
    add("p.q.r");
    for (int i = 0; i < 2000; ++i) add("c" + std::to_string(i));
    add("r");
    add("z.q.r");
    EXPECT_EQ(table.indexOf("r"), 2001);
    EXPECT_EQ(table.indexOf("q.r"), 0);
    EXPECT_EQ(table.indexOf("c1999"), 2000);
    EXPECT_EQ(table.indexOf("p"), -1);
    table.clear();
    add("s");
    EXPECT_EQ(table.indexOf("s"), 0);
    EXPECT_EQ(table.indexOf("r"), -1);
}

TEST_F(Classes, FoundByNameOrByLastPart) {
    openClass("a.b");
    symbolTable.endClass();
    openClass("x.ab");
    symbolTable.endClass();
    EXPECT_EQ(classTable.indexOf("a.b"), 0);
    EXPECT_EQ(classTable.indexOf("b"), 0);
    EXPECT_EQ(classTable.indexOf("ab"), 1);
    EXPECT_EQ(classTable.indexOf("a"), -1);
    EXPECT_TRUE(symbolTable.isClassName("b"));
    EXPECT_EQ(symbolTable.found, 0);
    EXPECT_FALSE(symbolTable.isClassName("c"));
    EXPECT_EQ(symbolTable.found, -1);
    EXPECT_EQ(symbolTable.className(1), "x.ab");
    EXPECT_EQ(symbolTable.className(-1), "?");
    EXPECT_EQ(symbolTable.className(2), "?");
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.classIndexOrError("c"), -1); }),
              "t.vel L1: \"c\" class not defined\n");
}

TEST_F(Classes, BeginAndEndClass) {
    generatorCounter = 4;
    currentIdentifier = "dom";
    symbolTable.beginClass("dom");
    EXPECT_EQ(inClass, 1);
    EXPECT_EQ(symbolTable.currentClass->typeCode, 25);
    EXPECT_EQ(symbolTable.currentClass->flags, 256);
    EXPECT_EQ(symbolTable.scopeCounterText, "1");
    generatorCounter = 9;
    symbolTable.endClass();
    EXPECT_EQ(inClass, 0);
    EXPECT_EQ(generatorCounter, 4);
    EXPECT_EQ(symbolTable.scopeCounter, 0);
    EXPECT_EQ(symbolTable.completedClassCount, 1u);
    EXPECT_EQ(output(), "");  // no constructor lines, no constructor
    openClass("Other");
    EXPECT_EQ(symbolTable.currentClass->flags, 0);
}

TEST_F(Classes, ConstructorLinesGoToAGeneratedConstructorOnlyWhenNoneTookThem) {
    openClass("Shape");
    symbolTable.constructorLines.push_back("$this->x=0;\n");
    symbolTable.endClass();
    EXPECT_NE(output().find("$this->x=0;\n"), std::string::npos);
    EXPECT_NE(output().find("__construct"), std::string::npos);

    std::string before = output();
    openClass("Own");
    symbolTable.constructorLines.push_back("$this->y=0;\n");
    symbolTable.flushConstructorLines();
    std::string flushed = output();
    EXPECT_EQ(flushed, before + "$this->y=0;\n");
    symbolTable.endClass();
    EXPECT_EQ(output(), flushed);
}

TEST_F(Classes, OverloadsAndDuplicates) {
    ClassRecord* shape = openClass("Shape");
    FunctionRecord* byInteger = function("f", {5});
    FunctionRecord* byText = function("f", {10});
    shape->addMethod(byInteger);
    EXPECT_EQ(byInteger->overloadMark, 0);
    shape->addMethod(byText);
    EXPECT_EQ(byInteger->overloadMark, 1);
    EXPECT_EQ(byText->overloadMark, 1);
    struct Case {
        FunctionRecord* record;
        bool added;
    };
    const Case cases[] = {
        {function("F", {5}), false},       // same name in another case, same types
        {function("f", {4}), false},       // typeMatrix[4][5] accepts
        {function("f", {5, 5}), true},
        {function("g", {}), true},
        {function("g", {}), false},
    };
    for (const Case& c : cases) {
        size_t before = shape->methods.size();
        std::string printed = diagnostics([&] { shape->addMethod(c.record); });
        EXPECT_EQ(shape->methods.size(), before + (c.added ? 1 : 0)) << c.record->name;
        EXPECT_EQ(printed, c.added ? "" : "t.vel L1: \"" + c.record->name + "\" already declared\n");
    }
    // Object parameters of different classes are different signatures.
    currentClassIndex = 1;
    FunctionRecord* first = new FunctionRecord("h");
    first->addParameter(15, 0);
    currentClassIndex = 2;
    FunctionRecord* second = new FunctionRecord("h");
    second->addParameter(15, 0);
    shape->addMethod(first);
    EXPECT_EQ(diagnostics([&] { shape->addMethod(second); }), "");
    EXPECT_EQ(shape->methods.back(), second);
}

TEST_F(Classes, AttributesOfAnotherCaseAreReportedAndKept) {
    ClassRecord* shape = openClass("Shape");
    shape->addAttribute(symbol("width", 5));
    EXPECT_EQ(diagnostics([&] { shape->addAttribute(symbol("Width", 5)); }),
              "t.vel L1: \"Width\" already declared\n");
    EXPECT_EQ(shape->attributes.size(), 2u);
    EXPECT_EQ(shape->findAttribute("Width"), 1);
    EXPECT_EQ(shape->findAttributeIgnoreCase("WIDTH"), 0);
}

TEST_F(Classes, SearchesWalkTheParentChain) {
    ClassRecord* grand = openClass("Grand");
    grand->addMethod(function("m", {}));
    grand->addAttribute(symbol("x", 5));
    symbolTable.endClass();
    openClass("Parent", "Grand");
    symbolTable.endClass();
    openClass("Child", "Parent");
    symbolTable.endClass();

    FunctionRecord* m = symbolTable.findMethod("Child", "m", true);
    EXPECT_EQ(m, grand->methods[0]);
    EXPECT_EQ(symbolTable.foundClass, grand);
    std::string owner = "Child";
    EXPECT_EQ(symbolTable.findAttribute(owner, "x"), grand->attributes[0]);
    EXPECT_EQ(owner, "Grand");
    owner = "Child";
    EXPECT_EQ(symbolTable.findAttribute(owner, "y"), nullptr);
    EXPECT_EQ(owner, "");

    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.findMethod("Child", "n", true)->name, "?"); }),
              "t.vel L1: \"n\" method not found\n");
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.findMethod("Child", "n", false)->name, "?"); }), "");
    EXPECT_EQ(diagnostics([] { symbolTable.findMethod("Nowhere", "m", true); }),
              "t.vel L1: \"Nowhere\" class not defined\nt.vel L1: \"m\" method not found\n");
    EXPECT_EQ(symbolTable.foundClass->name, "");

    // A parent that is not declared ends the walk.
    openClass("Orphan", "Missing");
    symbolTable.endClass();
    EXPECT_EQ(diagnostics([] { symbolTable.findMethod("Orphan", "m", false); }),
              "t.vel L1: \"Missing\" class not defined\n");
}

TEST_F(Classes, StaticMethodsAndInstances) {
    ClassRecord* shape = openClass("Shape");
    FunctionRecord* make = function("make", {});
    make->staticMark = 128;
    shape->addMethod(make);
    shape->addMethod(function("area", {}));
    symbolTable.endClass();
    EXPECT_EQ(symbolTable.findStaticMethod("Shape", "make"), make);
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.findStaticMethod("Shape", "area")->staticMark, 0u); }),
              "t.vel L1: \"area\" method not found\n");

    symbolTable.globals.push_back(symbol("s", 15 | 64, 1, 0));
    symbolTable.globals.push_back(symbol("n", 5 | 64, 1, -3));
    EXPECT_EQ(symbolTable.classNameOfInstance("s", true), "Shape");
    EXPECT_EQ(symbolTable.findMethodOf("s", "area"), shape->methods[1]);
    EXPECT_EQ(symbolTable.findMethodOf("Shape", "make"), make);
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.classNameOfInstance("n", true), "?"); }),
              "t.vel L1: \"n\" not a declared instance\n");
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.classNameOfInstance("q", false), "?"); }), "");
}

TEST_F(Classes, CyclesInTheParentChainEndTheWalks) {
    EXPECT_EQ(diagnostics([] { openClass("A", "A"); }), "t.vel L1: \"A\" cannot be used here\n");
    symbolTable.endClass();
    openClass("B", "C");
    symbolTable.endClass();
    EXPECT_EQ(diagnostics([] { openClass("C", "B"); }), "t.vel L1: \"B\" cannot be used here\n");
    symbolTable.endClass();
    std::string printed = diagnostics([] {
        for (const char* name : {"A", "B", "C"}) {
            EXPECT_EQ(symbolTable.findMethod(name, "m", false)->name, "?");
            std::string owner = name;
            EXPECT_EQ(symbolTable.findAttribute(owner, "x"), nullptr);
        }
        EXPECT_EQ(symbolTable.findStaticMethod("B", "m")->name, "?");
    });
    EXPECT_EQ(printed, "t.vel L1: \"m\" method not found\n");  // the cycles were reported once
    openClass("D", "C");
    EXPECT_FALSE(symbolTable.isInheritedMethod("m"));
    EXPECT_FALSE(symbolTable.isInheritedAttribute("x"));
    EXPECT_FALSE(symbolTable.isClassOrParent("E"));
    symbolTable.endClass();
}

TEST_F(Classes, InheritedMembersAndConstructorNames) {
    ClassRecord* base = openClass("Base");
    base->addMethod(function("draw", {}));
    base->addAttribute(symbol("color", 10));
    symbolTable.endClass();
    ClassRecord* shape = openClass("Shape", "Base");
    shape->addMethod(function("own", {}));
    EXPECT_TRUE(symbolTable.isInheritedMethod("draw"));
    EXPECT_FALSE(symbolTable.isInheritedMethod("own"));
    EXPECT_TRUE(symbolTable.isInheritedAttribute("color"));
    EXPECT_TRUE(symbolTable.isClassOrParent("Base"));

    FunctionRecord exact("Shape"), otherCase("shape"), plain("area");
    EXPECT_TRUE(symbolTable.isConstructor(&exact));
    EXPECT_EQ(diagnostics([&] { EXPECT_FALSE(symbolTable.isConstructor(&otherCase)); }),
              "t.vel L1: \"shape and Shape\" declared with different case\n");
    EXPECT_FALSE(symbolTable.isConstructor(&plain));
    symbolTable.endClass();
}

TEST_F(Classes, AmbiguousNames) {
    openClass("A");
    symbolTable.endClass();
    openClass("A");
    symbolTable.endClass();
    symbolTable.isClassName("A");
    EXPECT_EQ(diagnostics([] { EXPECT_EQ(symbolTable.foundClassName(), "A"); }),
              "t.vel L1: \"A\" is ambiguous\n");
    EXPECT_EQ(symbolTable.foundClassType(), 25);
}

}  // namespace
