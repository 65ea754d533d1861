// What the file head's declarations leave in the model: they write no PHP,
// so the golden cases cannot show their symbols, records and classes.
#include <string>

#include <gtest/gtest.h>

#include "harness.h"
#include "semantic/semantic.h"

namespace {

Symbol* global(const std::string& name)
{
    int i = symbolTable.globals.indexOf(name);
    return i < 0 ? nullptr : symbolTable.globals[i];
}

ClassRecord* classNamed(const std::string& name)
{
    for (ClassRecord* c : classTable)
        if (c->name == name)
            return c;
    return nullptr;
}

TEST(HeadDeclarations, EnumItemsAreConstantsHoldingTheirValues)
{
    startRun();
    Translation t = translate("enum A, B = 0x10, C : 2.5f, D : 'x', E\n");
    EXPECT_EQ(t.errors, 0) << t.out << t.err;
    struct { const char* name; const char* text; unsigned type; } items[] = {
        {"A", "0", 5}, {"B", "0x10", 5}, {"C", "2.5", 7}, {"D", "'x'", 10}, {"E", "19", 5}};
    for (const auto& item : items) {
        Symbol* s = global(item.name);
        ASSERT_NE(s, nullptr) << item.name;
        EXPECT_EQ(s->phpText(), item.text) << item.name;
        EXPECT_EQ(s->flags, item.type | 64) << item.name;
        EXPECT_EQ(s->kind, 3u) << item.name;
    }
}

TEST(HeadDeclarations, ExternVariablesCarryTheirModifiers)
{
    startRun();
    Translation t = translate("extern static const real r\nextern int n\nextern int n\n"
                              "extern class Box\n   int w\n   int W\n/class\n");
    EXPECT_EQ(t.out, "test.vel L6: \"W\" already declared\n");
    Symbol* r = global("r");
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->flags, 7u | 128 | 64);
    EXPECT_EQ(r->kind, 4u);
    int twice = 0;
    for (Symbol* s : symbolTable.globals)
        twice += s->name == "n";
    EXPECT_EQ(twice, 2);   // a duplicate global extern variable is no error
    ClassRecord* box = classNamed("Box");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->attributes.size(), 2u);
}

TEST(HeadDeclarations, PrototypesRegisterTheirSignatures)
{
    startRun();
    Translation t = translate("extern text, int split(text s, alias array p, int n = 2)\n"
                              "extern int ABS(int x)\n");
    EXPECT_EQ(t.out, "test.vel L2: \"ABS\" already declared in builtins\n");
    FunctionRecord* split = symbolTable.findFunction("split");
    ASSERT_EQ(split->name, "split");
    EXPECT_EQ(split->returnTypes, (std::vector<int>{10, 5}));
    EXPECT_EQ(split->parameterTypes, (std::vector<int>{10, 11 | 0x100, 5 | 64}));
    Symbol* name = global("split");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->flags, 85u);
    EXPECT_EQ(symbolTable.findFunction("ABS")->name, "ABS");   // registered all the same
}

TEST(HeadDeclarations, ExternClassesWithParentsAndJavaNames)
{
    startRun();
    Translation t = translate("extern class Base\n/class\n"
                              "extern class Kid is Base\n   int main()\n/class\n"
                              "extern class java.text.Format\n/class\n"
                              "extern class java util.Date\n/class\n");
    EXPECT_EQ(t.errors, 0) << t.out << t.err;
    ClassRecord* kid = classNamed("Kid");
    ASSERT_NE(kid, nullptr);
    EXPECT_EQ(kid->parentName, "Base");
    EXPECT_EQ(kid->typeCode, 25);
    ASSERT_EQ(kid->methods.size(), 1u);
    EXPECT_EQ(kid->methods[0]->name, "main");   // the main file keeps "main"
    ASSERT_NE(classNamed("java.text.Format"), nullptr);
    EXPECT_EQ(classNamed("java.text.Format")->typeCode, 20);
    ASSERT_NE(classNamed("util.Date"), nullptr);
    ASSERT_NE(global("util.Date"), nullptr);
    EXPECT_EQ(global("util.Date")->flags & 63, 20u);
}

TEST(HeadDeclarations, IncludedFileRenamesMainOfAClass)
{
    startRun();
    isMainFile = false;
    Translation t = translate("extern class Tool\n   int main()\n   int Main()\n/class\n",
                              "lib.vel");
    isMainFile = true;
    ClassRecord* tool = classNamed("Tool");
    ASSERT_NE(tool, nullptr);
    ASSERT_EQ(tool->methods.size(), 2u);
    EXPECT_EQ(tool->methods[0]->name, "_main_" + baseName);
    EXPECT_EQ(tool->methods[1]->name, "Main");
}

// An inner extern class ends, the outer one is current again.
TEST(HeadDeclarations, NestedExternClassGivesTheOuterOneBack)
{
    startRun();
    Translation t = translate("extern class Outer\n   int a\n   class Inner\n      int b\n"
                              "   /class\n   int c\n   text f()\n/class\nextern int after\n");
    EXPECT_EQ(t.errors, 0) << t.out << t.err;
    ClassRecord* outer = classNamed("Outer");
    ClassRecord* inner = classNamed("Inner");
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->attributes.size(), 1u);
    // a, the symbol of Inner, c
    EXPECT_EQ(outer->attributes.size(), 3u);
    EXPECT_EQ(outer->methods.size(), 1u);
    EXPECT_EQ(global("c"), nullptr);
    EXPECT_NE(global("after"), nullptr);
    EXPECT_EQ(inClass, 0);
}

// The class after an extern constant or static variable is a plain class.
TEST(HeadDeclarations, ExternClassStartsFromAFreshDeclaration)
{
    startRun();
    translate("extern static const int K\nextern class Thing\n/class\n");
    Symbol* thing = global("Thing");
    ASSERT_NE(thing, nullptr);
    EXPECT_EQ(thing->kind, 1u);
    EXPECT_EQ(thing->flags & 128, 0u);
}

TEST(HeadDeclarations, DefinesPairNamesWithSignatures)
{
    startRun();
    Translation t = translate("extern int cmp(int a, int b)\ndefine Cmp = \"cmp\"\n"
                              "define Plain\ndefine Broken as x\ndefine After;\n");
    ASSERT_EQ(namedValueTable.names, (std::vector<std::string>{"Cmp", "Plain", "After"}));
    ASSERT_NE(namedValueTable.values[0], nullptr);
    EXPECT_EQ(namedValueTable.values[0]->name, "cmp");
    EXPECT_EQ(namedValueTable.values[1], nullptr);
    EXPECT_EQ(namedValueTable.values[2], nullptr);
}

}  // namespace

namespace {

// Nesting without bound ends in diagnostics, not in a stack overflow.
TEST(HeadDeclarations, DeeplyNestedExternClassesAreRefused)
{
    startRun();
    std::string text = "extern\n";
    for (int i = 0; i < 20000; ++i)
        text += "class C" + std::to_string(i) + "\n";
    text += "/extern\n";
    Translation t = translate(text);
    EXPECT_FALSE(t.escaped);
    EXPECT_TRUE(t.closed);
    EXPECT_GT(t.errors, 0);
    EXPECT_NE(t.err.find("extern classes nested too deeply"), std::string::npos);
}

}  // namespace
