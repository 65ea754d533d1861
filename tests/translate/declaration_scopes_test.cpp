// Declarations where no golden case reaches yet: fields of a class body and
// statements of a function body or a block. The class, function and block
// rules are not there yet, so the test opens the scope itself and hands the
// lines to the rules those bodies call.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "semantic/file_names.h"
#include "emit/emit.h"
#include "harness.h"
#include "parser/declaration_actions.h"
#include "parser/file_actions.h"
#include "parser/reference_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {

struct FieldCase {
    const char* source;
    const char* php;   // what the member line writes, at indentation 1
};

TEST(ClassFields, ModifiersStandInPlaceOfVar)
{
    const std::vector<FieldCase> cases = {
        {"int a = 1\n", "   var $a=1;\n"},
        {"int a, b\n", "   var $a=0;\n   var $b=0;\n"},
        {"private int a = 1, b\n", "private    $a=1;\n   private $b=0;\n"},
        {"protected static text s, t\n",
         "protected static    $s=\"\";\n   protected static $t=\"\";\n"},
        {"static array list\n", "static    $list=array();\n"},
        {"const int K = 2\n", "   var $K=2;\n"},
        {"volatile int v\n", "   var $v=0;\n"},
    };
    for (const FieldCase& c : cases) {
        startRun();
        std::string folder = makeTempFolder();
        std::string target = folder + "/c.php";
        sourceFileName = "c.vel";
        resetFileState();
        ASSERT_TRUE(openOutputFile(target));
        symbolTable.beginClass("C");
        indentLevel = 1;

        std::istringstream input(c.source);
        VelandroLexer lexer(input);
        VelandroParser parser(lexer);
        beginDeclaration();
        while (parser.LA(1) == VelandroParser::LITERAL_static ||
               parser.LA(1) == VelandroParser::LITERAL_private ||
               parser.LA(1) == VelandroParser::LITERAL_protected ||
               parser.LA(1) == VelandroParser::LITERAL_volatile ||
               parser.LA(1) == VelandroParser::LITERAL_const)
            parser.modifier();
        parser.typedDeclaration();
        closeOutputFile();
        symbolTable.endClass();

        EXPECT_EQ(errorCount, 0) << c.source;
        std::string php = readFile(target);
        EXPECT_EQ(php, c.php) << c.source;
        // The fields are valid members of a PHP class.
        writeFile(folder + "/check.php", "<?php\nclass C\n{\n" + php + "}\n");
        EXPECT_EQ(runCommand("php -l " + folder + "/check.php").status, 0) << c.source;
        std::filesystem::remove_all(folder);
    }
}

struct StatementCase {
    const char* source;
    bool inBlock;
    const char* php;   // at indentation 1
    const char* out;   // diagnostics
    bool inMethod = false;   // the function is a method of a class
};

TEST(StatementDeclarations, FunctionAndBlockScopes)
{
    const std::vector<StatementCase> cases = {
        {"int x = 1\nx + 2\n", false, "   $x=1;\n   $x+=2;\n", ""},
        {"const int K = 3\nint n = K\n", false, "   define(\"K\",3);\n   $n=K;\n", ""},
        {"static int s = 1\nprivate int p\n", false, "   \n   $p=0;\n",
         "d.vel L1: can't use this feature here\n"},
        {"int x\ntext x\n", false, "   $x=0;\n   $x=\"\";\n",
         "d.vel L2: \"x\" already declared in function\n"},
        {"int x\nint x\n", true, "   $x=0;\n   $x=0;\n",
         "d.vel L2: \"x\" already declared in a block\n"},
        {"int[] a = 1, b\na[0] = 2.5\n", true,
         "   $a=array(1);\n   $b=array();\n   $a[0]=intVal(2.5);\n", ""},
        // PHP keeps $GLOBALS for itself
        {"int GLOBALS = 1\n", false, "   $GLOBALS=1;\n",
         "d.vel L1: \"GLOBALS\" already declared in builtins\n"},
        // "this" is an object only in a method: elsewhere PHP stops on $this
        {"var v = this\n", false, "   $v=$this;\n", "", true},
        {"var v = this\n", false, "   $v=$this;\n", "d.vel L1: can't use this feature here\n"},
    };
    for (const StatementCase& c : cases) {
        startRun();
        std::string folder = makeTempFolder();
        std::string target = folder + "/d.php";
        sourceFileName = "d.vel";
        resetFileState();
        ASSERT_TRUE(openOutputFile(target));
        inFunction = 1;
        if (c.inMethod)
            symbolTable.beginClass("C");
        if (c.inBlock)
            symbolTable.enterBlockScope();
        indentLevel = 1;

        testing::internal::CaptureStdout();
        std::istringstream input(c.source);
        VelandroLexer lexer(input);
        VelandroParser parser(lexer);
        while (parser.LA(1) != antlr::Token::EOF_TYPE)
            parser.statement();
        std::string out = testing::internal::GetCapturedStdout();
        closeOutputFile();
        if (c.inMethod)
            symbolTable.endClass();

        EXPECT_EQ(readFile(target), c.php) << c.source;
        EXPECT_EQ(out, c.out) << c.source;
        std::filesystem::remove_all(folder);
    }
    resetFileState();
}

}  // namespace
