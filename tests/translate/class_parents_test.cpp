// Parents that PHP refuses, and members a class may not declare again over
// those of PHP's own class it extends: the PHP of these would not compile,
// so they stand here rather than among the golden cases.
#include <string>

#include <gtest/gtest.h>

#include "harness.h"

namespace {

struct ParentCase {
    const char* source;
    const char* out;   // the diagnostics
};

TEST(ClassParents, WhatPhpRefusesIsReported)
{
    const ParentCase cases[] = {
        // an interface, a final class, an abstract class of PHP's
        {"class C is Countable\n/class\n", "t.vel L1: \"Countable\" class not defined\n"},
        {"class F is Closure\n/class\n", "t.vel L1: \"Closure\" class not defined\n"},
        {"class H is SplHeap\n/class\n", "t.vel L1: \"SplHeap\" class not defined\n"},
        // members PHP's class fixes: a final method, a typed property, one
        // hidden more, a static one; a public one again is PHP's own form
        {"class E is Exception\n  text getMessage() return \"x\"\n/class\n",
         "t.vel L2: \"getMessage\" already declared in builtins\n"},
        {"class E is Exception\n  int line = 3\n  text message\n  private text code\n"
         "/class\nclass G is Exception\n  static text message\n/class\n",
         "t.vel L2: \"line\" already declared in builtins\n"
         "t.vel L4: \"code\" already declared in builtins\n"
         "t.vel L7: \"message\" already declared in builtins\n"},
        {"class L is ArrayIterator\n  int COUNT() return 0\n/class\n",
         "t.vel L2: \"COUNT\" already declared in builtins\n"},
        // the same, known once the parent declared further down is
        {"class A is B\n  int getCode() return 1\n/class\nclass B is Exception\n/class\n",
         "t.vel L1: \"getCode\" already declared in builtins\n"},
    };
    for (const ParentCase& c : cases) {
        startRun();
        Translation t = translate(c.source, "t.vel");
        EXPECT_EQ(t.out, c.out) << c.source;
        EXPECT_EQ(t.err, "") << c.source;
    }
}

}  // namespace
