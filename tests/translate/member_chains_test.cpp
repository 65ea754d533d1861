// Member chains need a class, and the class rule is not there yet: the test
// enters a class with a static and an instance attribute, and an object
// variable of that class, into the model before it translates a program.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "harness.h"
#include "semantic/semantic.h"

namespace {

void enterCounterClass()
{
    startRun();
    symbolTable.beginClass("Counter");
    symbolTable.currentClass->addAttribute(
        new Symbol("total", "total", typeInteger | symbolAssigned | symbolStatic, 1, -3));
    symbolTable.currentClass->addAttribute(
        new Symbol("size", "size", typeInteger | symbolAssigned, 1, -3));
    symbolTable.currentClass->addAttribute(new Symbol(
        "others", "others", typeObjectArray | symbolAssigned, 1, classTable.indexOf("Counter")));
    symbolTable.endClass();
    symbolTable.globals.push_back(
        new Symbol("p", "p", typeObject | symbolAssigned, 1, classTable.indexOf("Counter")));
}

TEST(MemberChains, ClassAndObjectMembers)
{
    enterCounterClass();
    Translation result = translate("array a = [1, 2]\n"
                                   "int n\n"
                                   "print a[Counter.total], a[Counter.size]\n"
                                   "Counter.total = 5\n"
                                   "Counter.size = 1\n"
                                   "p.size = 3\n"
                                   "print p.size + 1, Counter.total\n"
                                   "n.x = 1\n",
                                   "m.vel");
    EXPECT_EQ(result.php,
              "<?php\n"
              "$a=array(1,2);\n"
              "$n=0;\n"
              "echo var_export($a[Counter::$total],true), \" \", "
              "var_export($a[Counter::$size],true), \"\\n\";\n"
              "Counter::$total=5;\n"
              "Counter::$size=1;\n"
              "$p->size=3;\n"
              "echo $p->size+1, \" \", Counter::$total, \"\\n\";\n"
              "$n->x=1;\n"
              "\n?>\n");
    EXPECT_EQ(result.out,
              "m.vel L3: \"size\" is not a static attribute\n"
              "m.vel L5: \"size\" is not a static attribute\n"
              "m.vel L8: n is integer, instance required\n");
    EXPECT_EQ(result.err, "");

    std::string folder = makeTempFolder();
    writeFile(folder + "/m.php", result.php);
    EXPECT_EQ(runCommand("php -l " + folder + "/m.php").status, 0);
    std::filesystem::remove_all(folder);
}

// A bound may hold a member access of its own; the segment after the
// bracket is still joined and resolved by its own chain's state.
TEST(MemberChains, SegmentAfterABracket)
{
    enterCounterClass();
    Translation result = translate("p.others[Counter.total].size = 2\n"
                                   "print p.others[Counter.total].size\n",
                                   "b.vel");
    EXPECT_EQ(result.php, "<?php\n"
                          "$p->others[Counter::$total]->size=2;\n"
                          "echo $p->others[Counter::$total]->size, \"\\n\";\n"
                          "\n?>\n");
    EXPECT_EQ(result.out, "");
}

}  // namespace
