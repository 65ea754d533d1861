// Keyword-typed fields of a class body, written by the declaration rules
// with their modifiers. The class rule is not there yet, so the test opens
// the class itself and hands each member line to the rules that the class
// body calls: the modifiers, then typedDeclaration.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "VelandroLexer.hpp"
#include "VelandroParser.hpp"
#include "driver/state.h"
#include "emit/emit.h"
#include "harness.h"
#include "parser/actions.h"
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

}  // namespace
