// The symbol table: search order, block scopes, the lookups with their
// marks, caches and "global" lines, and the not-declared reports.
#include "semantic_fixture.h"

namespace {

class Lookups : public SemanticTest {
public:
    // Looks `name` up for reading (or as a target) and returns the
    // diagnostics; codeBuffer and currentType hold the result.
    static std::string read(const std::string& name) {
        currentIdentifier = name;
        return diagnostics([] { lookupIdentifierInExpression(); });
    }
    static std::string assign(const std::string& name) {
        currentIdentifier = name;
        return diagnostics([] { lookupIdentifier(); });
    }
    static void enterFunction() {
        inFunction = 1;
        symbolTable.locals.clear();
        symbolTable.functionGlobals.clear();
    }
};

TEST_F(Lookups, FindSearchesBlocksLocalsThenGlobalsOrAttributes) {
    symbolTable.globals.push_back(symbol("x", 5));
    EXPECT_EQ(symbolTable.find("x"), 0);
    EXPECT_EQ(symbolTable.foundScope, 1);
    enterFunction();
    symbolTable.locals.push_back(symbol("x", 10));
    symbolTable.find("x");
    EXPECT_EQ(symbolTable.foundScope, 4);
    EXPECT_EQ(symbolTable.foundSymbol->flags, 10u);
    symbolTable.enterBlockScope();
    symbolTable.blockScopes[0].push_back(symbol("x", 7));
    symbolTable.enterBlockScope();
    symbolTable.enterBlockScope();
    symbolTable.blockScopes[2].push_back(symbol("x", 3));
    EXPECT_EQ(symbolTable.find("x"), 0);
    EXPECT_EQ(symbolTable.foundScope, 3);
    EXPECT_EQ(blockFoundDepth, 0);  // the outermost block wins
    EXPECT_EQ(symbolTable.foundSymbol->flags, 7u);
    EXPECT_EQ(symbolTable.findIgnoreCase("X"), 0);
    EXPECT_EQ(symbolTable.find("X"), -1);
    EXPECT_EQ(symbolTable.foundScope, 0);
    for (int i = 0; i < 3; ++i) symbolTable.leaveBlockScope();
    EXPECT_EQ(blockDepth, -1);
    EXPECT_EQ(inBlockScope, 0);
    inFunction = 0;
    openClass("K")->addAttribute(symbol("x", 13));
    symbolTable.find("x");
    EXPECT_EQ(symbolTable.foundScope, 2);  // globals are not searched inside a class
    EXPECT_EQ(symbolTable.find("y"), -1);
}

TEST_F(Lookups, BlockScopesPastTheLimitAreReportedAndStillWork) {
    EXPECT_EQ(diagnostics([] {
                  for (int i = 0; i < 130; ++i) symbolTable.enterBlockScope();
              }),
              "t.vel L1: too many nested blocks\n");
    EXPECT_EQ(blockDepth, 129);
    EXPECT_EQ(symbolTable.scopeCounterText, "130");
    symbolTable.blockScopes[blockDepth].push_back(symbol("deep", 5 | 64));
    EXPECT_EQ(read("deep"), "");
    EXPECT_EQ(currentType, 5);
    for (int i = 0; i < 130; ++i) symbolTable.leaveBlockScope();
    EXPECT_EQ(blockDepth, -1);
    EXPECT_EQ(inBlockScope, 0);
    symbolTable.leaveBlockScope();  // unbalanced: nothing below the outermost
    EXPECT_EQ(blockDepth, -1);
    EXPECT_TRUE(symbolTable.blockScopes[-1].empty());
}

TEST_F(Lookups, TopLevelReadsAndTargets) {
    Symbol* x = symbol("x", 5 | 64);
    x->setPhpText("$x");
    Symbol* y = symbol("y", 10);
    symbolTable.globals = {x, y};
    EXPECT_EQ(read("x"), "");
    EXPECT_EQ(codeBuffer, "$x");
    EXPECT_EQ(currentType, 5);
    EXPECT_EQ(read("y"), "t.vel L1: \"y\" used before assignment\n");
    EXPECT_EQ(assign("y"), "");
    EXPECT_EQ(y->flags & 64, 64u);
    EXPECT_EQ(read("y"), "");
    currentType = 5;
    EXPECT_EQ(read("z"), "t.vel L1: \"z\" not declared\n");
    EXPECT_EQ(currentType, 0);
    EXPECT_EQ(read("z"), "");
    EXPECT_EQ(assign("z"), "");
    inLvalue = 1;  // names inside a target take the target's lookup
    EXPECT_EQ(read("x"), "");
    inLvalue = 0;
    EXPECT_EQ(output(), "");
}

TEST_F(Lookups, ConstantsAndEnumItemsCannotBeAssigned) {
    symbolTable.globals = {symbol("K", 5 | 64, 4), symbol("RED", 5 | 64, 3), symbol("v", 5, 2)};
    EXPECT_EQ(assign("K"), "t.vel L1: \"K\" is constant, can't be assigned\n");
    EXPECT_EQ(assign("RED"), "t.vel L1: \"RED\" is constant, can't be assigned\n");
    EXPECT_EQ(assign("v"), "");
}

TEST_F(Lookups, GlobalsUsedInAFunctionAreDeclaredOnce) {
    symbolTable.globals = {symbol("total", 5 | 64), symbol("RED", 5 | 64, 3)};
    enterFunction();
    EXPECT_EQ(read("total"), "");
    EXPECT_EQ(read("total"), "");
    EXPECT_EQ(assign("total"), "");
    EXPECT_EQ(read("RED"), "");
    EXPECT_EQ(output(), "global $total;\n");
    enterFunction();  // the next function declares it again
    EXPECT_EQ(assign("total"), "");
    EXPECT_EQ(output(), "global $total;\nglobal $total;\n");
    EXPECT_EQ(read("missing"), "t.vel L1: \"missing\" not declared\n");
}

TEST_F(Lookups, LocalsAssignedInABlockStayUnassignedAfterIt) {
    enterFunction();
    Symbol* n = symbol("n", 5);
    symbolTable.locals = {n};
    symbolTable.enterBlockScope();
    EXPECT_EQ(assign("n"), "");
    EXPECT_EQ(n->flags & 64, 0u);
    ASSERT_EQ(symbolTable.blockCaches[0].size(), 1u);
    EXPECT_EQ(symbolTable.blockCaches[0][0]->flags, 5u | 64);
    EXPECT_EQ(read("n"), "");  // the block's cache carries the mark
    symbolTable.leaveBlockScope();
    EXPECT_EQ(read("n"), "t.vel L1: \"n\" used before assignment\n");
}

TEST_F(Lookups, BlockNamesAndOuterBlocks) {
    symbolTable.enterBlockScope();
    Symbol* outer = symbol("i", 5);
    symbolTable.blockScopes[0].push_back(outer);
    symbolTable.enterBlockScope();
    EXPECT_EQ(read("i"), "t.vel L1: \"i\" used before assignment\n");
    EXPECT_EQ(assign("i"), "");
    EXPECT_EQ(outer->flags & 64, 0u);
    EXPECT_EQ(symbolTable.blockCaches[1].size(), 1u);
    EXPECT_EQ(read("i"), "");
    symbolTable.blockScopes[1].push_back(symbol("j", 10));
    EXPECT_EQ(assign("j"), "");
    EXPECT_EQ(read("j"), "");
    EXPECT_TRUE(symbolTable.blockCaches[1].size() == 1u);
    symbolTable.leaveBlockScope();
    symbolTable.leaveBlockScope();
}

TEST_F(Lookups, GlobalsInABlockOfAFunction) {
    symbolTable.globals = {symbol("g", 5 | 64)};
    enterFunction();
    symbolTable.enterBlockScope();
    EXPECT_EQ(read("g"), "");
    EXPECT_EQ(output(), "global $g;\n");
    EXPECT_EQ(read("g"), "");  // found in the block's cache now
    EXPECT_EQ(output(), "global $g;\n");
    symbolTable.leaveBlockScope();
    inFunction = 0;
    symbolTable.enterBlockScope();  // at top level: no global line
    EXPECT_EQ(assign("g"), "");
    EXPECT_EQ(output(), "global $g;\n");
    symbolTable.leaveBlockScope();
}

TEST_F(Lookups, InsideAClass) {
    symbolTable.globals = {symbol("total", 5 | 64), symbol("RED", 5 | 64, 3)};
    ClassRecord* shape = openClass("Shape");
    Symbol* width = symbol("width", 5 | 64);
    Symbol* count = symbol("count", 5 | 64 | 128);
    shape->addAttribute(width);
    shape->addAttribute(count);
    // Class body.
    EXPECT_EQ(read("width"), "");
    EXPECT_EQ(read("total"), "t.vel L1: \"total\" not accessible from a class\n");
    EXPECT_EQ(read("RED"), "");
    EXPECT_EQ(read("nothing"), "t.vel L1: \"nothing\" unknow scope\n");
    // A method.
    enterFunction();
    EXPECT_EQ(read("width"), "");
    EXPECT_EQ(codeBuffer, "width");
    EXPECT_EQ(read("total"), "t.vel L1: \"total\" not accessible from a class\n");
    EXPECT_EQ(read("RED"), "");
    EXPECT_EQ(read("count"), "");
    EXPECT_EQ(codeBuffer, "self::$count");
    EXPECT_EQ(assign("count"), "");
    EXPECT_EQ(codeBuffer, "self::$count");
    symbolTable.enterBlockScope();
    EXPECT_EQ(read("count"), "");
    EXPECT_EQ(codeBuffer, "self::$count");
    EXPECT_EQ(assign("count"), "");
    EXPECT_EQ(codeBuffer, "self::$count");
    symbolTable.leaveBlockScope();
    EXPECT_EQ(output(), "");  // a static attribute is no global
    EXPECT_EQ(read("ghost"), "t.vel L1: \"ghost\" not declared\n");
    EXPECT_EQ(assign("ghost"), "");  // reported once inside classes
}

TEST_F(Lookups, InheritedAttributesThroughTheParent) {
    ClassRecord* base = openClass("Base");
    base->addAttribute(symbol("size", 5 | 64));
    base->addAttribute(symbol("made", 5 | 64 | 128));
    symbolTable.endClass();
    openClass("Box", "Base");
    enterFunction();
    EXPECT_EQ(read("size"), "");
    EXPECT_EQ(currentType, 5);
    EXPECT_EQ(assign("made"), "");
    EXPECT_EQ(codeBuffer, "self::$made");
    EXPECT_EQ(output(), "");
}

TEST_F(Lookups, FunctionsAndFunctionNames) {
    FunctionRecord* f = function("f", {});
    EXPECT_EQ(diagnostics([&] {
                  symbolTable.addFunction(f);
                  symbolTable.addFunction(function("f", {5}));
                  symbolTable.addFunction(function("f", {10}), true);
              }),
              "t.vel L1: \"f\" already declared\n");
    EXPECT_EQ(symbolTable.functions.size(), 3u);
    EXPECT_EQ(symbolTable.findFunction("f"), f);
    EXPECT_EQ(symbolTable.findGlobalFunctionIgnoreCase("F"), 0);
    EXPECT_EQ(symbolTable.findGlobalFunction("F"), -1);
    // Found by name however many come before, the first of each name.
    for (int i = 0; i < 3000; ++i)
        symbolTable.addFunction(function("g" + std::to_string(i), {}), true);
    FunctionRecord* upper = function("G7", {});
    symbolTable.addFunction(upper, true);
    EXPECT_EQ(symbolTable.findGlobalFunction("g2999"), 3002);
    EXPECT_EQ(symbolTable.findGlobalFunction("G7"), 3003);
    EXPECT_EQ(symbolTable.findGlobalFunctionIgnoreCase("G7"), 10);
    EXPECT_EQ(symbolTable.findFunction("G7"), upper);
    EXPECT_EQ(symbolTable.findGlobalFunction("g3000"), -1);

    symbolTable.globals.push_back(symbol("callback", 21 | 64));
    EXPECT_EQ(symbolTable.findFunction("callback")->name, "?");
    EXPECT_EQ(symbolTable.functionVariable, 1);
    EXPECT_EQ(symbolTable.findFunction("none")->name, "?");
    EXPECT_EQ(symbolTable.functionVariable, 0);

    ClassRecord* shape = openClass("Shape");
    FunctionRecord* method = function("f", {});
    shape->addMethod(method);
    EXPECT_EQ(symbolTable.findFunction("f"), method);
    symbolTable.endClass();

    currentIdentifier = "main";
    EXPECT_EQ(diagnostics([] { declareFunctionName(); }), "");
    EXPECT_EQ(symbolTable.globals.back()->flags, 85u);
    EXPECT_EQ(symbolTable.globals.back()->kind, 0u);
    currentIdentifier = "MAIN";
    codeBuffer = "MAIN";
    EXPECT_EQ(diagnostics([] { declareFunctionName(); }), "t.vel L1: \"MAIN\" duplicate name\n");
}

TEST_F(Lookups, UseFoundSymbolLoadsTheState) {
    Symbol* s = new Symbol("o", "$o", 15 | 64 | 128 | 256, 2, 3);
    symbolTable.foundSymbol = s;
    symbolTable.useFoundSymbol();
    EXPECT_EQ(currentType, 15);
    EXPECT_EQ(assignedFlag, 64);
    EXPECT_EQ(staticFlag, 128);
    EXPECT_EQ(specialObjectFlag, 256);
    EXPECT_EQ(currentKind, 2);
    EXPECT_EQ(currentClassIndex, 3);
    EXPECT_EQ(codeBuffer, "$o");
    enterFunction();
    symbolTable.locals.push_back(symbol("a", 16));
    EXPECT_EQ(symbolTable.hasLocalNamed("a"), 1);
    EXPECT_EQ(symbolTable.hasLocalNamed("A"), 0);
    EXPECT_TRUE(symbolTable.isLocalVar("a"));
}

TEST_F(Lookups, NotDeclaredListsAreClearedForEachFile) {
    EXPECT_EQ(read("u"), "t.vel L1: \"u\" not declared\n");
    EXPECT_TRUE(symbolTable.isReportedGlobal("u"));
    EXPECT_FALSE(symbolTable.isReportedInClass("u"));
    symbolTable.beginFile();
    EXPECT_EQ(read("u"), "t.vel L1: \"u\" not declared\n");
}

}  // namespace

namespace {

// The names reported as not declared: each is found again whatever came
// after it, the case counts, and an empty name is a name too.
TEST(ReportedNames, EachNameOnceThroughGrowth) {
    NameSet names;
    EXPECT_FALSE(names.contains("u0"));
    for (int i = 0; i < 5000; ++i)
        EXPECT_TRUE(names.insert("u" + std::to_string(i)));
    EXPECT_FALSE(names.insert("u0"));
    EXPECT_FALSE(names.insert("u4999"));
    EXPECT_TRUE(names.contains("u2500"));
    EXPECT_FALSE(names.contains("U2500"));
    EXPECT_FALSE(names.contains("u5000"));
    EXPECT_TRUE(names.insert(""));
    EXPECT_FALSE(names.insert(""));
    EXPECT_EQ(names.size(), 5001u);
    names.clear();
    EXPECT_FALSE(names.contains("u1"));
    EXPECT_TRUE(names.insert("u1"));
}

}  // namespace
