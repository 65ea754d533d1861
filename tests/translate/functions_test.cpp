// Functions and classes whose PHP text PHP itself refuses (a name PHP has),
// so they cannot stand among the golden cases, whose PHP must pass "php -l".
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

struct NameCase {
    const char* source;
    const char* out;
};

TEST(FunctionNames, NamesPhpDefinesAreAlreadyDeclaredInBuiltins)
{
    const std::vector<NameCase> cases = {
        {"int count() return 1\n", "test.vel L1: \"count\" already declared in builtins\n"},
        {"void fn()\n  return\n", "test.vel L1: \"fn\" already declared in builtins\n"},
        {"int list() return 1\n", "test.vel L1: \"list\" already declared in builtins\n"},
        {"int Strlen(text s) return 1\n",
         "test.vel L1: \"Strlen\" already declared in builtins\n"},
        {"class closure\n/class\n", "test.vel L1: \"closure\" already declared in builtins\n"},
        {"class Int\n/class\n", "test.vel L1: \"Int\" already declared in builtins\n"},
        // PHP refuses a parameter that replaces its own array
        {"int f(int GLOBALS) return 1\n",
         "test.vel L1: \"GLOBALS\" already declared in builtins\n"},
        // a method may take such a name
        {"class A\n  int count() return 1\n/class\n", ""},
        {"int counting() return 1\n", ""},
    };
    for (const NameCase& c : cases) {
        startRun();
        Translation t = translate(c.source);
        EXPECT_EQ(t.out, c.out) << c.source;
    }
}

TEST(ClassMethods, ASecondMethodOfTheSameNameIsAlreadyDeclared)
{
    const std::vector<NameCase> cases = {
        {"class A\n  int get() return 1\n  int Get() return 2\n/class\n",
         "test.vel L3: \"Get\" already declared\n"},
        {"class A\n  int get(int a) return 1\n  int get(text t) return 2\n/class\n",
         "test.vel L3: \"get\" already declared\n"},
        {"class A\n/class\nclass C\n/class\nclass B is A, C\n/class\n",
         "test.vel L5: multiple inheritance not yet available\n"},
        // an attribute PHP cannot take in place of the parent's
        {"class A\n  int x = 1\n/class\nclass B is A\n  static int x = 2\n/class\n",
         "test.vel L5: \"x\" already declared\n"},
        {"class A\n  static int x = 1\n/class\nclass B is A\n  int x = 2\n/class\n",
         "test.vel L5: \"x\" already declared\n"},
        {"class A\n  protected int x = 1\n/class\nclass B is A\n  private int x = 2\n/class\n",
         "test.vel L5: \"x\" already declared\n"},
        // a method PHP cannot take in place of the parent's
        {"class A\n  int f() return 1\n/class\nclass B is A\n  int f(int x) return x\n/class\n",
         "test.vel L5: \"f\" already declared\n"},
        {"class A\n  int f(int a) return 1\n/class\nclass B is A\n  int f() return 2\n/class\n",
         "test.vel L5: \"f\" already declared\n"},
        {"class A\n  int f(alias int a) return 1\n/class\nclass B is A\n  int f(int a) return 2\n"
         "/class\n",
         "test.vel L5: \"f\" already declared\n"},
        {"class A\n  static int f() return 1\n/class\nclass B is A\n  int f() return 2\n/class\n",
         "test.vel L5: \"f\" already declared\n"},
        {"class A\n  int f() return 1\n/class\nclass B is A\n  private int f() return 2\n"
         "/class\n",
         "test.vel L5: \"f\" already declared\n"},
    };
    for (const NameCase& c : cases) {
        startRun();
        Translation t = translate(c.source);
        EXPECT_EQ(t.out, c.out) << c.source;
    }
}

}  // namespace
