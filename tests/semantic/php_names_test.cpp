// The names PHP defines itself, with PHP's case rules, and the checked-in
// table against the script that generates it.
#include "semantic/php_names.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct NameCase {
    const char* name;
    bool function, klass, constant, word;
};

TEST(PhpNames, CaseRulesPerKind) {
    const NameCase cases[] = {
        {"abs", true, false, false, false},
        {"ABS", true, false, false, false},       // functions: any case
        {"str_replace", true, false, false, false},
        {"DateTime", false, true, false, false},
        {"datetime", false, true, false, false},  // classes: any case
        {"Countable", false, true, false, false}, // interfaces count as classes
        {"E_ALL", false, false, true, false},
        {"e_all", false, false, false, false},    // constants: exact case
        {"M_PI", false, false, true, false},
        {"PHP_EOL", false, false, true, false},
        {"TRUE", false, false, true, true},
        {"False", false, false, true, true},
        {"null", false, false, true, true},
        {"list", false, false, false, true},
        {"ECHO", false, false, false, true},      // words: any case
        {"__halt_compiler", false, false, false, true},
        {"velandro_thing", false, false, false, false},
        {"", false, false, false, false},
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(isPhpFunctionName(c.name), c.function) << c.name;
        EXPECT_EQ(isPhpClassName(c.name), c.klass) << c.name;
        EXPECT_EQ(isPhpConstantName(c.name), c.constant) << c.name;
        EXPECT_EQ(isPhpReservedWord(c.name), c.word) << c.name;
    }
    EXPECT_FALSE(isPhpFunctionName(std::string("abs\0x", 5)));
}

TEST(PhpNames, ReservedClassAndVariableNames) {
    EXPECT_TRUE(isPhpReservedClassName("int"));
    EXPECT_TRUE(isPhpReservedClassName("Self"));
    EXPECT_FALSE(isPhpReservedClassName("Date"));
    EXPECT_TRUE(isPhpReservedVariableName("this"));
    EXPECT_TRUE(isPhpReservedVariableName("GLOBALS"));
    EXPECT_FALSE(isPhpReservedVariableName("globals"));
}

// The table is what the script writes from the PHP that runs the programs.
TEST(PhpNames, TableMatchesThePhpHere) {
    const std::string root = VELP_SOURCE_DIR;
    FILE* pipe = popen(("php " + root + "/scripts/php_names.php").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string generated;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        generated.append(buffer, n);
    ASSERT_EQ(pclose(pipe), 0);
    std::ifstream in(root + "/semantic/php_names_data.inc", std::ios::binary);
    std::stringstream stored;
    stored << in.rdbuf();
    EXPECT_EQ(generated, stored.str())
        << "run: php scripts/php_names.php > semantic/php_names_data.inc";
}

}
