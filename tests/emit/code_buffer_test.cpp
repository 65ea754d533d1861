#include "emit_fixture.h"

#include <vector>

namespace {

using EmitCodeBuffer = EmitTest;

struct TextCase {
    const char* input;
    const char* expected;
};

TEST_F(EmitCodeBuffer, DollarName)
{
    const std::vector<TextCase> cases = {
        {"x", "$x"},
        {"$x", "$x"},
        {"count(a)", "count(a)"},
        {"", "$"},
        {"a[1]", "$a[1]"},
        {"this->x", "$this->x"},
        {"Counter::$total", "Counter::$total"},
        {"self::$n[2]", "self::$n[2]"},
        {"o->f(x)", "$o->f(x)"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(dollarName(c.input), c.expected) << c.input;
}

TEST_F(EmitCodeBuffer, StripQuotes)
{
    const std::vector<TextCase> cases = {
        {"\"abc\"", "abc"}, {"'abc'", "abc"},  {"`abc`", "abc"}, {"\"abc", "abc"},
        {"`abc", "ab"},     {"abc\"", "abc"},  {"", ""},         {"\"", ""},
        {"abc", "abc"},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(stripQuotes(c.input), c.expected) << c.input;
}

TEST_F(EmitCodeBuffer, SettersAndDollarHelpers)
{
    setCodeBuffer("$abc");
    appendCodeBuffer("->d");
    appendCodeBufferChar('e');
    EXPECT_EQ(codeBuffer, "$abc->de");
    EXPECT_EQ(codeBufferWithoutDollar(), "abc->de");
    setCodeBufferChar('q');
    EXPECT_EQ(codeBuffer, "q");
    EXPECT_EQ(codeBufferWithoutDollar(), "q");
    EXPECT_EQ(stripDollar(""), "");
    EXPECT_EQ(stripDollar("$$a"), "$a");

    setForVariable("i");
    setForValueVariable("$v");
    EXPECT_EQ(forVariable, "$i");
    EXPECT_EQ(forValueVariable, "$v");
    generatorCounter = 3;
    EXPECT_EQ(newTempName(), "$_I3");
}

TEST_F(EmitCodeBuffer, WrapArrayLiteral)
{
    exprAppend("$a=");
    pushExpression();
    exprAppend("1,2");
    wrapArrayLiteral();
    EXPECT_EQ(exprLevel, 0);
    EXPECT_EQ(currentExpression(), "$a=array(1,2)");
}

struct SplitCase {
    const char* call;
    const char* name;
    const char* receiver;
    bool internalError;
};

TEST_F(EmitCodeBuffer, CallTextSplits)
{
    const std::vector<SplitCase> cases = {
        {"$o->get(1)", "get", "o", false},
        {"A::make(2)", "make", "A", false},
        {"f(x)", "f", "?", false},
        {"$o->get(A::B)", "get", "o", false},
        {"$a->b->c(1)", "c", "a->b", false},
        {"$o->m($p->q())", "m", "o", false},
        {"$a[$i->j]->m()", "m", "a[$i->j]", false},
        {"$o->x", "", "?", true},
        {"::f()", "f", "?", false},
    };
    for (const SplitCase& c : cases) {
        resetAssignLists();
        addRvalue(c.call);
        rewindRvalues();
        errorCount = 0;
        std::string name;
        std::string text = diagnostics([&] { name = splitArrowAccess(); });
        EXPECT_EQ(name, c.name) << c.call;
        EXPECT_EQ(text, c.internalError ? "Internal error [5001] line 1\n" : "") << c.call;
        EXPECT_EQ(splitStaticAccess(), c.receiver) << c.call;
    }
}

}  // namespace
