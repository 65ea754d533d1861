// Calls that need classes with methods, which the class rule enters: the
// test enters them into the model itself. Also the call helpers without
// the parser, and inputs that nest deeper than an operand may.
#include <string>

#include <gtest/gtest.h>

#include "emit/emit.h"
#include "harness.h"
#include "parser/call_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {

FunctionRecord* method(const std::string& name, int result, std::initializer_list<int> parameters,
                       bool isStatic = false)
{
    FunctionRecord* record = new FunctionRecord(name);
    record->phpName = name;
    if (result)
        record->addReturnType(result);
    for (int type : parameters)
        record->addParameter(type, 0);
    record->staticMark = isStatic ? 128 : 0;
    return record;
}

// A class Counter: add(int) and run() on objects, make() on the class,
// an array attribute; an object p of that class.
void enterCounterClass()
{
    startRun();
    symbolTable.beginClass("Counter");
    ClassRecord* counter = symbolTable.currentClass;
    counter->addAttribute(new Symbol("items", "items", typeArray | symbolAssigned, 1, -3));
    counter->addMethod(method("add", typeInteger, {typeInteger}));
    counter->addMethod(method("run", typeText, {}));
    counter->addMethod(method("make", typeObject, {}, true));
    symbolTable.endClass();
    symbolTable.globals.push_back(
        new Symbol("p", "p", typeObject | symbolAssigned, 1, classTable.indexOf("Counter")));
}

TEST(Calls, MethodsOfObjectsAndClasses)
{
    enterCounterClass();
    Translation result = translate("print p.add(p.add(1)), p.run().length()\n"
                                   "print Counter.make().run()\n"
                                   "p.items.pack()\n"
                                   "p.items.push(3)\n"
                                   "print Counter.run(), p.nothing(), p.add(\"x\")\n",
                                   "c.vel");
    EXPECT_EQ(result.php,
              "<?php\n"
              "echo $p->add($p->add(1)), \" \", strlen($p->run()), \"\\n\";\n"
              "echo var_export(Counter::make()->run(),true), \"\\n\";\n"
              "array_splice($p->items,0,0);\n"
              "array_push($p->items,3);\n"
              "echo Counter::run(), \" \", $p->nothing(), \" \", $p->add(intVal(\"x\")), "
              "\"\\n\";\n"
              "\n?>\n");
    EXPECT_EQ(result.out,
              "c.vel L5: static method can't use dynamic attribute\n"
              "c.vel L5: \"nothing\" method not found\n"
              "c.vel L5: bad argument in \"add\" call, integer expected, text found\n");
    EXPECT_EQ(result.err, "");
}

// Inside a class a member is called through $this; a predefined function
// is no member, whatever the class names.
TEST(Calls, PrefixOfACallInsideAClass)
{
    startRun();
    symbolTable.beginClass("K");
    symbolTable.currentClass->addMethod(method("abs", typeInteger, {typeInteger}));
    symbolTable.currentClass->addMethod(method("m", typeInteger, {}));
    int savedInClass = inClass;
    inClass = 1;
    struct Case {
        const char* name;
        unsigned char silent;
        const char* text;
    } cases[] = {
        {"abs", 0, "abs("},
        {"m", 0, "$this->m("},
        {"m", 1, "@$this->m("},
        {"other", 0, "other("},
    };
    for (const Case& c : cases) {
        resetExpressions();
        silentCall = c.silent;
        CallScope call;
        beginFunctionCall(call, c.name);
        openCallArguments(call);
        EXPECT_EQ(currentExpression(), c.text) << c.name;
        popReference();
        endArgumentList();
        if (call.bracketed)
            call.bracketed->endArguments();
    }
    silentCall = 0;
    inClass = savedInClass;
    symbolTable.endClass();
    resetExpressions();
}

// After a bad call nothing it opened stays open; calls that stop at the
// same token are one error.
TEST(Calls, BadCallsGiveBackWhatTheyOpened)
{
    startRun();
    Translation result = translate("text s = \"a\"\n"
                                   "print f(1, s.upper(2\n"
                                   "print @f(abs(s.x(1 2)))\n"
                                   "print s.length()\n",
                                   "b.vel");
    EXPECT_EQ(result.out, "b.vel L2: bad call syntax\n"
                          "b.vel L3: \"x\" method not found\n"
                          "b.vel L3: bad call syntax\n");
    EXPECT_NE(result.php.find("echo strlen($s), \"\\n\";\n"), std::string::npos) << result.php;
    EXPECT_EQ(callDepth, 0);
    EXPECT_EQ(referenceDepth(), 0u);
    EXPECT_EQ(silentCall, 0);
    EXPECT_EQ(exprLevel, 0);
}

std::string repeat(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

// Calls and chain steps nest like operands: too deep is one error.
TEST(Calls, NestTooDeeplyAsOperandsDo)
{
    const std::string programs[] = {
        "print " + repeat("abs(", 5000) + "1" + repeat(")", 5000) + "\n",
        "text s = \"a\"\nprint s" + repeat(".trim()", 5000) + "\n",
        "text s = \"a\"\nprint " + repeat("s.dup(", 5000) + "1" + repeat(")", 5000) + "\n",
        "print \"a\"" + repeat(".trim()", 5000) + "\n",
        "array a\nprint " + repeat("a.find(", 5000) + "1" + repeat(")", 5000) + "\n",
    };
    for (const std::string& program : programs) {
        startRun();
        Translation result = translate(program + "print 1\n", "d.vel");
        EXPECT_FALSE(result.escaped);
        EXPECT_EQ(result.errors, 1) << result.out << result.err.substr(0, 300);
        EXPECT_NE(result.err.find("expression nested too deeply"), std::string::npos);
        EXPECT_NE(result.php.find("echo 1, \"\\n\";"), std::string::npos);
    }
}

}  // namespace
