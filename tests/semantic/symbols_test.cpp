// Function records: argument and return checks, nested calls, signatures.
#include "semantic_fixture.h"

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "semantic/text_util.h"

namespace {

using Records = SemanticTest;

TEST_F(Records, NewRecordsAndSymbols) {
    FunctionRecord empty;
    EXPECT_EQ(empty.name, "?");
    EXPECT_EQ(empty.resultType(), 0);
    EXPECT_EQ(empty.returnTypeAt(), 0);
    EXPECT_EQ(empty.parameterTypeAt(), 0);
    currentKind = 2;
    currentClassIndex = 7;
    Symbol s("x", 5u);
    EXPECT_EQ(s.phpText(), "x");
    EXPECT_EQ(s.kind, 2u);
    EXPECT_EQ(s.classIndex, 7);
    Symbol t("y", "$this->y", 16 | 64);
    EXPECT_EQ(t.phpText(), "$this->y");
    EXPECT_EQ(t.flags, 80u);
}

// The global scope's index must answer as a walk from the front would:
// the first of two equal names, case folded by setting bit 0x20 (so "_"
// and DEL fold alike), and nothing left of entries cleared or replaced.
TEST_F(Records, SymbolListFindsTheFirstEntry) {
    Symbol a("Total", 5u), b("total", 10u), c("x_1", 5u);
    SymbolList list{&a, nullptr, &b, &c};
    EXPECT_EQ(list.indexOf("total"), 2);
    EXPECT_EQ(list.indexOf("Total"), 0);
    EXPECT_EQ(list.indexOfIgnoreCase("TOTAL"), 0);
    EXPECT_EQ(list.indexOfIgnoreCase("X_1"), 3);
    EXPECT_EQ(list.indexOfIgnoreCase(std::string("x") + '\x7f' + "1"), 3);
    EXPECT_EQ(list.indexOfIgnoreCase("x_"), -1);
    list = {&c};
    EXPECT_EQ(list.indexOf("Total"), -1);
    EXPECT_EQ(list.indexOf("x_1"), 0);
    list.clear();
    EXPECT_EQ(list.indexOf("x_1"), -1);
}

// Through the index's growth too: the first of each folded name stays the
// one found, the exact one wherever it lies.
TEST_F(Records, SymbolListKeepsTheFirstEntryAsItGrows) {
    std::vector<std::unique_ptr<Symbol>> symbols;
    SymbolList list;
    for (int i = 0; i < 3000; ++i) {
        symbols.push_back(std::make_unique<Symbol>("n" + std::to_string(i), 5u));
        symbols.push_back(std::make_unique<Symbol>("N" + std::to_string(i), 5u));
        list.push_back(symbols[symbols.size() - 2].get());
        list.push_back(symbols.back().get());
    }
    for (int i = 0; i < 3000; i += 7) {
        EXPECT_EQ(list.indexOf("N" + std::to_string(i)), 2 * i + 1);
        EXPECT_EQ(list.indexOfIgnoreCase("N" + std::to_string(i)), 2 * i);
    }
    EXPECT_EQ(list.indexOfIgnoreCase("n3000"), -1);
}

// Spellings of one name added at every stage of the growth, nulls among
// them: each search answers as a walk from the front would.
TEST_F(Records, SymbolListMatchesAWalkFromTheFront) {
    std::vector<std::unique_ptr<Symbol>> symbols;
    std::vector<std::string> names;
    SymbolList list;
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, seed >> 8; };
    for (int i = 0; i < 20000; ++i) {
        if (next() % 10 == 0) {
            list.push_back(nullptr);
            continue;
        }
        std::string name = "ab" + std::to_string(next() % 3000);
        for (char& c : name)
            if (next() % 2) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.push_back(name);
        symbols.push_back(std::make_unique<Symbol>(name, 5u));
        list.push_back(symbols.back().get());
    }
    for (const std::string& name : names) {
        int exact = -1, folded = -1;
        for (size_t i = 0; i < list.size() && (exact < 0 || folded < 0); ++i) {
            if (!list[i]) continue;
            if (exact < 0 && list[i]->name == name) exact = static_cast<int>(i);
            if (folded < 0 && equalsIgnoreCaseBytes(list[i]->name, name)) folded = static_cast<int>(i);
        }
        ASSERT_EQ(list.indexOf(name), exact) << name;
        ASSERT_EQ(list.indexOfIgnoreCase(name), folded) << name;
    }
}

// Entries of a list are counted with its nulls: names after a long run of
// them are still found at their places.
TEST_F(Records, SymbolListFindsNamesAfterManyNulls) {
    Symbol a("a", 5u), b("B", 5u);
    SymbolList list;
    for (int i = 0; i < 5000; ++i) list.push_back(nullptr);
    list.push_back(&a);
    for (int i = 0; i < 70000; ++i) list.push_back(nullptr);
    list.push_back(&b);
    EXPECT_EQ(list.indexOf("a"), 5000);
    EXPECT_EQ(list.indexOfIgnoreCase("b"), 75001);
    EXPECT_EQ(list.indexOf("b"), -1);
}

// A PHP text other than the name is kept apart: it follows changes, goes
// back to the name, and stays right while other symbols come and go.
TEST_F(Records, SymbolTextsKeptApart) {
    std::vector<std::unique_ptr<Symbol>> symbols;
    for (int i = 0; i < 300; ++i)
        symbols.push_back(std::make_unique<Symbol>("v" + std::to_string(i), "$v" + std::to_string(i), 5u));
    for (int i = 0; i < 300; i += 2) symbols[static_cast<size_t>(i)].reset();
    for (int i = 0; i < 300; i += 2)
        symbols[static_cast<size_t>(i)] = std::make_unique<Symbol>("w" + std::to_string(i), "7", 5u);
    for (int i = 0; i < 300; ++i)
        ASSERT_EQ(symbols[static_cast<size_t>(i)]->phpText(), i % 2 ? "$v" + std::to_string(i) : "7");
    Symbol& s = *symbols[1];
    s.setPhpText("self::$v1");
    EXPECT_EQ(s.phpText(), "self::$v1");
    s.setPhpText("v1");
    EXPECT_EQ(s.phpText(), "v1");
    s.setPhpText("$v1");
    EXPECT_EQ(s.phpText(), "$v1");
    EXPECT_EQ(symbols[3]->phpText(), "$v3");
}

// Names up to 22 bytes are kept in the symbol, longer ones apart: both
// read back whole, end with a NUL, and are found as names.
TEST_F(Records, SymbolNamesOfEveryLength) {
    std::vector<std::unique_ptr<Symbol>> symbols;
    SymbolList list;
    std::string name;
    for (int n = 0; n <= 40; ++n) {
        symbols.push_back(std::make_unique<Symbol>(name, 5u));
        list.push_back(symbols.back().get());
        name += static_cast<char>('a' + n % 26);
    }
    name.clear();
    for (int n = 0; n <= 40; ++n) {
        const Symbol& s = *symbols[static_cast<size_t>(n)];
        EXPECT_EQ(s.name.size(), static_cast<size_t>(n));
        EXPECT_EQ(s.name, name);
        EXPECT_EQ(s.name.c_str()[n], '\0');
        EXPECT_EQ(s.phpText(), name);
        EXPECT_EQ(list.indexOf(name), n);
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(list.indexOfIgnoreCase(upper), n);
        EXPECT_EQ("$" + s.name, "$" + name);
        name += static_cast<char>('a' + n % 26);
    }
}

// Declaring searches and adds in one step: a name already there, in any
// case, gives its first index and adds nothing, whether or not the table is
// about to grow.
TEST_F(Records, SymbolListAddsOnlyNewNames) {
    std::vector<std::unique_ptr<Symbol>> symbols;
    SymbolList list;
    for (int i = 0; i < 5000; ++i) {
        symbols.push_back(std::make_unique<Symbol>("v" + std::to_string(i), 5u));
        ASSERT_EQ(list.pushUnlessFolded(symbols.back().get()), -1);
        symbols.push_back(std::make_unique<Symbol>("V" + std::to_string(i / 2), 5u));
        ASSERT_EQ(list.pushUnlessFolded(symbols.back().get()), i / 2);
        ASSERT_EQ(list.size(), static_cast<size_t>(i + 1));
    }
    EXPECT_EQ(list.indexOf("v4999"), 4999);
    EXPECT_EQ(list.indexOf("V1"), -1);
}

TEST_F(Records, ArgumentChecks) {
    struct Case {
        std::vector<int> arguments;
        int result;
        const char* line;
    };
    const Case cases[] = {
        {{5}, 1, ""},
        {{5, 10}, 1, ""},
        {{5, 5}, 1, ""},  // an optional parameter is not type-checked
        {{7}, 1, ""},     // typeMatrix[5][7] accepts a real for an integer
        {{5, 10, 5}, 0, "\"f\" requires 2 arguments, 3 found"},
        {{}, 0, "\"f\" requires 2 arguments, 0 found"},
        {{10}, 0, "bad argument in \"f\" call, integer expected, text found"},
    };
    FunctionRecord* f = function("f", {5, 10 | 64});
    for (const Case& c : cases) {
        f->argumentTypes = c.arguments;
        int result = -1;
        std::string printed = diagnostics([&] { result = f->checkArguments(); });
        EXPECT_EQ(printed, *c.line ? std::string("t.vel L1: ") + c.line + "\n" : "") << c.arguments.size();
        EXPECT_EQ(result, c.result) << c.arguments.size();
        f->argumentTypes = c.arguments;
        EXPECT_EQ(diagnostics([&] { EXPECT_EQ(f->checkArguments(false), c.result); }), "");
    }
}

TEST_F(Records, ObjectArgumentForAParameterThatAcceptsObjects) {
    FunctionRecord* f = new FunctionRecord("f");
    f->addParameter(11, 0, 1);
    f->addParameter(11, 0, 0);
    f->argumentTypes = {15, 11};
    EXPECT_EQ(f->checkArguments(), 1);
    f->argumentTypes = {11, 15};
    EXPECT_EQ(diagnostics([&] { EXPECT_EQ(f->checkArguments(), 0); }),
              "t.vel L1: bad argument in \"f\" call, array expected, object found\n");
}

TEST_F(Records, ReturnedValueChecks) {
    struct Case {
        std::vector<int> declared, returned;
        int result;
        const char* line;
    };
    const Case cases[] = {
        {{}, {}, 1, ""},
        {{12}, {11}, 1, ""},
        {{5, 10}, {5, 10}, 1, ""},
        {{5}, {10}, 0, "bad return type in \"g\" call, integer expected, text found"},
        {{11}, {12}, 0, "bad return type in \"g\" call, array expected, dict found"},
        {{5, 10}, {5}, 0, "\"g\" must return 2 and not 1 values"},
    };
    for (const Case& c : cases) {
        FunctionRecord g("g");
        g.returnTypes = c.declared;
        g.returnedTypes = c.returned;
        int result = -1;
        std::string printed = diagnostics([&] { result = g.checkReturnedValues(); });
        EXPECT_EQ(printed, *c.line ? std::string("t.vel L1: ") + c.line + "\n" : "");
        EXPECT_EQ(result, c.result);
    }
}

TEST_F(Records, ResultTypeAndCursorAccessors) {
    FunctionRecord* f = function("f", {5 | 64, 15 | 128}, {5, 10});
    EXPECT_EQ(f->resultType(), 17);
    EXPECT_EQ(function("g", {}, {12})->resultType(), 12);
    f->cursor = 1;
    EXPECT_EQ(f->parameterTypeAt(), 15);
    EXPECT_EQ(f->returnTypeAt(), 10);
    f->cursor = 2;
    EXPECT_EQ(f->parameterTypeAt(), 0);
    EXPECT_EQ(f->returnTypeAt(), 0);
}

TEST_F(Records, NestedCallOfTheSameFunctionKeepsTheOuterArguments) {
    FunctionRecord* f = function("f", {5});
    f->beginArguments();
    f->argumentTypes = {5};
    f->cursor = 1;
    f->beginArguments();  // f(f(...)): the inner call
    f->argumentTypes = {10};
    f->cursor = 0;
    EXPECT_EQ(f->nestingDepth, 2);
    f->endArguments();
    EXPECT_EQ(f->argumentTypes, std::vector<int>{5});
    EXPECT_EQ(f->cursor, 1);
    f->endArguments();
    EXPECT_EQ(f->nestingDepth, 0);
    EXPECT_TRUE(intStack.empty());
    f->endArguments();  // unmatched: only the depth would change
    EXPECT_EQ(f->nestingDepth, 0);
    EXPECT_EQ(f->argumentTypes, std::vector<int>{5});
}

TEST_F(Records, FunctionParametersMayHoldNullEntries) {
    FunctionRecord* signature = function("sig", {5, 10}, {3});
    FunctionRecord* f = new FunctionRecord("f");
    f->addFunctionParameter(nullptr, "plain");
    f->addFunctionParameter(signature, "callback");
    ASSERT_EQ(f->functionParameters.size(), 2u);
    EXPECT_EQ(f->functionParameters[0], nullptr);
    FunctionRecord* found = f->findFunctionParameter("callback");
    EXPECT_NE(found, signature);
    EXPECT_EQ(found->name, "callback");
    EXPECT_EQ(found->returnTypes, std::vector<int>{3});
    EXPECT_EQ(found->parameterTypes, (std::vector<int>{5, 10}));
    EXPECT_EQ(f->findFunctionParameter("plain")->name, "?");
    f->cursor = 0;
    EXPECT_EQ(f->functionParameterAt()->name, "?");
    f->cursor = 1;
    EXPECT_EQ(f->functionParameterAt(), found);
}

TEST_F(Records, SignaturesAndOverloadNames) {
    FunctionRecord* expected = function("callback", {5}, {5});
    FunctionRecord* same = function("inc", {5}, {5});
    FunctionRecord* other = function("name", {10}, {5});
    EXPECT_TRUE(expected->matchSignature(*same));
    EXPECT_EQ(diagnostics([&] { EXPECT_FALSE(expected->matchSignature(*other)); }),
              "t.vel L1: bad argument in \"callback\" call, integer expected, text found\n");
    EXPECT_TRUE(same->sameParameters(*expected));
    EXPECT_FALSE(same->sameParameters(*other));

    FunctionRecord f("f");
    f.makeOverloadName("f");
    EXPECT_EQ(f.phpName, "f");
    f.makeOverloadName("f");
    EXPECT_EQ(f.phpName, "_1f");

    FunctionRecord copy;
    same->argumentTypes = {5, 5};
    copy.cursor = 3;
    same->copyArgumentsFrom(&copy);
    EXPECT_EQ(copy.argumentTypes, (std::vector<int>{5, 5}));
    EXPECT_EQ(copy.cursor, 0);
}

}  // namespace
