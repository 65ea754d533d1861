// Predefined methods and functions: the table, the index, the argument
// checks, and the PHP that the rows produce.
#include "semantic_fixture.h"

#include "emit/calls.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace {

using Builtins = SemanticTest;

void expectRow(int row, const char* name, const char* php, std::vector<int> numbers) {
    const BuiltinEntry& e = builtinTable[row];
    EXPECT_STREQ(e.name, name) << row;
    EXPECT_STREQ(e.phpName, php) << row;
    std::vector<int> actual;
    if (row < methodCount)
        actual = {e.receiver, e.modifies, static_cast<int>(e.kind), e.argumentCount,
                  e.argumentTypes[0], e.argumentTypes[1], e.result};
    else
        actual = {static_cast<int>(e.special), e.argumentCount, e.argumentTypes[0],
                  e.argumentTypes[1], e.argumentTypes[2], e.argumentTypes[3], e.result};
    EXPECT_EQ(actual, numbers) << row;
}

TEST_F(Builtins, TableShapeAndSampleRows) {
    EXPECT_EQ(methodCount, 128);
    EXPECT_EQ(globalFunctionCount, 55);
    EXPECT_EQ(builtinRowCount, 185);
    EXPECT_STREQ(builtinTable[128].name, "---");
    EXPECT_EQ(builtinTable[128].receiver, 65535);
    EXPECT_STREQ(builtinTable[184].name, "---");
    EXPECT_EQ(builtinTable[184].argumentCount, 65535);
    EXPECT_EQ(builtinTable[184].result, 65535);

    expectRow(0, "setDyn", "void", {1, 0, 0, 0, 0, 0, 0});
    expectRow(1, "toint", "intval", {4, 0, 1, 0, 0, 0, 5});
    expectRow(25, "insert", "", {10, 0, 16, 2, 5, 10, 1});
    expectRow(27, "length", "strlen", {10, 0, 1, 0, 0, 0, 5});
    expectRow(46, "fill", "str_repeat", {10, 1, 6, 2, 10, 5, 10});
    expectRow(53, "find", "array_search", {11, 0, 2, 1, 16, 0, 5});
    expectRow(62, "store", "", {11, 1, 11, 2, 10, 3 + 128, 1});
    expectRow(65, "merge", "array_merge", {11, 1, 1, -1, 16, 0, 12});
    expectRow(91, "unshift", "", {12, 0, 20, 2, 10, 16, 1});
    expectRow(115, "tolist", "toList", {16, 0, 9, 0, 5 + 128, 0, 15});
    expectRow(116, "open", "fopen", {13, 1, 7, 2, 10, 10, 5});
    expectRow(120, "readline", "fgets,65536", {13, 0, 8, 0, 0, 0, 10});
    expectRow(127, "dir", "dir", {14, 0, 9, 1, 10, 0, 14});
    expectRow(129, "abs", "abs", {0, 1, 4, 0, 0, 0, 4});
    expectRow(143, "sign", "", {7, 1, 4, 0, 0, 0, 5});
    expectRow(145, "localtime", "localtime(time(),1", {6, 0, 0, 0, 0, 0, 12});
    expectRow(154, "exit", "exit", {0, 1, 16 + 128, 0, 0, 0, 1});
    expectRow(157, "pad", "str_pad", {0, 4, 10, 5, 10 + 128, 5 + 128, 10});
    expectRow(158, "plural", "", {3, 1, 5, 0, 0, 0, 10});
    expectRow(162, "swap", "list", {2, 2, 16, 16, 0, 0, 1});
    expectRow(175, "filetime", "filemtime", {0, 1, 22, 0, 0, 0, 5});
    expectRow(183, "rewinddir", "rewinddir", {0, 1, 14, 0, 0, 0, 1});
}

TEST_F(Builtins, RowsChangedSoPhpAcceptsTheCalls) {
    expectRow(17, "cat", "(function($b,$a){return $a.$b;})", {10, 1, 15, 1, 10, 0, 1});
    expectRow(54, "inarray", "in_array", {11, 0, 2, 1, 16, 0, 3});
    expectRow(79, "toString", "implode", {11, 0, 2, 1, 10 + 128, 0, 10});
    expectRow(80, "toText", "implode", {11, 0, 2, 1, 10 + 128, 0, 10});
    expectRow(21, "find", "strpos", {10, 0, 21, 2, 10, 5 + 128, 5});
    expectRow(22, "findLast", "strrpos", {10, 0, 21, 2, 10, 5 + 128, 5});
    expectRow(23, "findLex", "stripos", {10, 0, 21, 2, 10, 5 + 128, 5});
    expectRow(64, "max", "max", {11, 0, 22, 0, 0, 0, 16});
    expectRow(66, "min", "min", {11, 0, 22, 0, 0, 0, 16});
    expectRow(70, "rand", "array_rand", {11, 0, 22, 0, 0, 0, 16});
    expectRow(81, "unique", "array_unique", {11, 0, 24, 0, 0, 0, 18});
    expectRow(86, "find", "array_search", {12, 0, 23, 1, 10, 0, 10});
    expectRow(146, "boolval", "boolval", {0, 1, 5, 0, 0, 0, 3});
    expectRow(87, "hasKey", "array_key_exists", {12, 0, 2, 1, 10, 0, 3});
    expectRow(88, "load", "parse_ini_file", {12, 1, 6, 2, 10, 5 + 128, 1});
    expectRow(105, "toint", "intval", {16, 0, 1, 0, 0, 0, 5});
    expectRow(106, "tointeger", "intval", {16, 0, 1, 0, 0, 0, 5});
    expectRow(126, "exists", "is_resource", {13, 0, 1, 0, 0, 0, 3});
    expectRow(151, "isList", "is_array", {0, 1, 16, 0, 0, 0, 3});
    EXPECT_EQ(builtinTable[93].kind, CallForm::receiverFirst);
    EXPECT_EQ(builtinTable[124].kind, CallForm::receiverFirst);
    EXPECT_EQ(builtinTable[125].kind, CallForm::receiverFirst);
    EXPECT_EQ(builtinTable[170].argumentTypes[0], 16);
}

TEST_F(Builtins, StartIndexPerReceiver) {
    const int starts[][2] = {{1, 0}, {3, 0}, {4, 1}, {5, 6}, {7, 9}, {8, 13}, {10, 17},
                             {11, 48}, {12, 85}, {16, 94}, {13, 116}, {14, 127}};
    for (const auto& s : starts) EXPECT_EQ(methodTable.startIndex[s[0]], s[1]) << s[0];
}

TEST_F(Builtins, FindForTypeByReceiver) {
    struct Case {
        const char* name;
        int type, row;
    };
    const Case cases[] = {
        {"length", 10, 27}, {"LENGTH", 10, 27}, {"length", 11, 60}, {"length", 12, 60},
        {"length", 16, 27}, {"find", 12, 86},   {"find", 11, 53},   {"push", 29, 69},
        {"push", 35, 69},   {"keys", 12, 85},   {"keys", 11, -1},   {"toint", 3, -1},
        {"toint", 8, 16},   {"tonatural", 8, -1}, {"setDyn", 16, -1}, {"setDyn", 1, 0},
        {"length", 36, -1}, {"length", -1, -1}, {"lengthy", 10, -1}, {"dir", 14, 127},
    };
    for (const Case& c : cases) {
        methodTable.found = 99;
        EXPECT_EQ(methodTable.findForType(c.name, c.type), c.row) << c.name << " " << c.type;
        EXPECT_EQ(methodTable.found, c.row) << c.name << " " << c.type;
    }
    EXPECT_EQ(methodTable.findDictMethod("sort"), 89);
    EXPECT_EQ(methodTable.findDictMethod("push"), -1);
}

TEST_F(Builtins, GlobalFunctionsAndFlags) {
    EXPECT_EQ(methodTable.findGlobalFunction("SQRT"), 1);
    EXPECT_EQ(methodTable.found, 5);
    EXPECT_STREQ(globalFunctionRow(methodTable.found).phpName, "sqrt");
    EXPECT_EQ(methodTable.findGlobalFunction("rewinddir"), 1);
    EXPECT_EQ(methodTable.found, 54);
    EXPECT_EQ(methodTable.findGlobalFunction("strlen"), 0);
    EXPECT_EQ(methodTable.found, -1);
    EXPECT_STREQ(globalFunctionRow(55).name, "---");
    EXPECT_EQ(methodTable.methodFlag(69), 1);
    EXPECT_EQ(methodTable.methodFlag(27), 0);
    EXPECT_EQ(methodTable.methodFlag(-1), 0);
    EXPECT_EQ(methodTable.methodFlag(128), 0);
}

TEST_F(Builtins, PushFunctionParametersTakesTheFoundRow) {
    currentCall = new FunctionRecord("pad");
    currentCall->addParameter(21, 0);
    methodTable.findGlobalFunction("pad");
    methodTable.pushFunctionParameters();
    EXPECT_EQ(currentCall->parameterTypes, (std::vector<int>{10, 5, 10 + 128, 5 + 128}));
    currentCall->cursor = 2;
    EXPECT_EQ(currentCall->parameterTypeAt(), 10);
    methodTable.findGlobalFunction("nothing");
    methodTable.pushFunctionParameters();
    EXPECT_TRUE(currentCall->parameterTypes.empty());
}

TEST_F(Builtins, ArgumentChecks) {
    struct Case {
        const char* callName;
        bool method;
        int row;
        std::vector<int> arguments;
        int result;
        const char* line;
    };
    const int pad = 157 - firstGlobalFunctionRow;
    const Case cases[] = {
        {"pad", false, pad, {10, 5}, 1, ""},
        {"pad", false, pad, {10, 5, 10, 5}, 1, ""},
        {"pad", false, pad, {10}, 0, "\"pad\" requires 2 arguments, 1 found"},
        {"pad", false, pad, {10, 5, 10, 5, 5}, 0, "\"pad\" requires 4 arguments, 5 found"},
        {"pad", false, pad, {10, 5, 5}, 0, "\"pad\" called with bad arguments"},
        {"pad", false, pad, {5, 5, 10}, 1, ""},  // only the last argument is checked
        {"time", false, 144 - firstGlobalFunctionRow, {5}, 0, "\"time\" requires 0 argument, 1 found"},
        {"merge", true, 65, {}, 1, ""},
        {"merge", true, 65, {11, 11, 11}, 1, ""},
        {"merge", true, 65, {26}, 0, "\"merge\" called with bad arguments"},
        {"find", true, 21, {10}, 1, ""},
        {"find", true, 21, {10, 10}, 0, "\"find\" called with bad arguments"},
        {"length", true, 27, {10}, 0, "\"length\" requires 0 argument, 1 found"},
        {"?", true, 20, {10}, 0, "\"dup\" called with bad arguments"},  // unnamed record
    };
    for (const Case& c : cases) {
        currentCall = new FunctionRecord(c.callName);
        currentCall->argumentTypes = c.arguments;
        int result = -1;
        std::string printed = diagnostics([&] {
            result = c.method ? methodTable.checkMethodArguments(c.row)
                              : methodTable.checkFunctionArguments(c.row);
        });
        std::string expected = *c.line ? std::string("t.vel L1: ") + c.line + "\n" : "";
        EXPECT_EQ(printed, expected) << c.callName << " " << c.arguments.size();
        EXPECT_EQ(result, c.result) << c.callName << " " << c.arguments.size();
    }
    EXPECT_EQ(methodTable.checkMethodArguments(128), 0);
    EXPECT_EQ(methodTable.checkFunctionArguments(55), 0);
}

// The PHP text of a member call in the forms that plain PHP calls take:
// receiver first or last, assigned back to the receiver,
// and the forms built whole from the receiver and the arguments (an offset
// after the first "," of the arguments; the receiver taken as an array).
std::string memberCall(int row, const std::string& receiver, const std::string& arguments) {
    const BuiltinEntry& e = builtinTable[row];
    std::string php = e.phpName;
    std::string comma = arguments.empty() ? "" : ",";
    size_t split = arguments.find(',');
    switch (e.kind) {
    case CallForm::receiverFirst: return php + "(" + receiver + comma + arguments + ")";
    case CallForm::receiverLast: return php + "(" + arguments + comma + receiver + ")";
    case CallForm::assignResult: return receiver + "=" + php + "(" + arguments + ")";
    case CallForm::assignReceiverLast:
        return receiver + "=" + php + "(" + arguments + comma + receiver + ")";
    case CallForm::searchInText:
        return textSearchText(php, receiver, arguments.substr(0, split),
                              split == std::string::npos ? "" : arguments.substr(split + 1));
    case CallForm::nonEmptyOrFalse: return nonEmptyArrayText(php, receiver);
    case CallForm::strvalOfCall: return asTextText(php, receiver, arguments);
    case CallForm::renumbered: return listValuesText(php, receiver, typeArray);
    default: break;
    }
    return "unexpected form";
}

std::string runPhp(const std::string& program) {
    char scriptName[] = "/tmp/velp_semantic_XXXXXX";
    int fd = mkstemp(scriptName);
    if (fd < 0) return "no temporary file";
    FILE* script = fdopen(fd, "w");
    fputs(program.c_str(), script);
    fclose(script);
    std::string command = std::string("php -n ") + scriptName + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    std::string result;
    char chunk[256];
    while (pipe && fgets(chunk, sizeof chunk, pipe)) result += chunk;
    if (pipe) pclose(pipe);
    std::remove(scriptName);
    return result;
}

bool phpAvailable() { return system("php -v > /dev/null 2>&1") == 0; }

TEST_F(Builtins, EveryPlainRowNamesAFunctionPhpHas) {
    if (!phpAvailable()) GTEST_SKIP() << "php not installed";
    std::string program = "<?php\n$missing = [];\n";
    for (int row = 0; row < builtinRowCount; ++row) {
        const BuiltinEntry& e = builtinTable[row];
        using F = CallForm;
        bool plain = row < methodCount
                         ? (e.kind == F::receiverFirst || e.kind == F::receiverLast ||
                            e.kind == F::assignResult || e.kind == F::assignResultCaught ||
                            e.kind == F::assignReceiverLast || e.kind == F::searchInText ||
                            e.kind == F::nonEmptyOrFalse || e.kind == F::strvalOfCall ||
                            e.kind == F::renumbered)
                         : (row > methodCount && row < builtinRowCount - 1 &&
                            e.special == FunctionForm::plain);
        std::string php = e.phpName;
        if (!plain || php.empty() || php[0] == '(') continue;
        program += "if (!function_exists('" + php + "') && !in_array('" + php +
                   "', ['empty','die','exit'])) $missing[] = '" + std::to_string(row) + " " + php +
                   "';\n";
    }
    program += "echo implode(\"\\n\", $missing);\n";
    EXPECT_EQ(runPhp(program), "");
}

TEST_F(Builtins, ChangedRowsRunUnderPhp) {
    if (!phpAvailable()) GTEST_SKIP() << "php not installed";
    const std::string ini = "/tmp/velp_semantic_dict.ini";
    std::ofstream(ini) << "a=1\nb=two\n";
    std::string program = "<?php\n";
    program += "$s=\"ab\"; " + memberCall(17, "$s", "\"cd\"") + "; echo $s, \"\\n\";\n";
    program += "$a=[1,2]; var_export(" + memberCall(54, "$a", "2") + "); echo \"\\n\";\n";
    program += "echo " + memberCall(79, "$a", "\"-\"") + ", \" \", " + memberCall(80, "$a", "") + ", \"\\n\";\n";
    program += "$d=[\"k\"=>\"v\"]; echo " + memberCall(86, "$d", "\"v\"") + ", \" \";\n";
    program += "var_export(" + memberCall(87, "$d", "\"k\"") + "); echo \"\\n\";\n";
    program += memberCall(88, "$d", "\"" + ini + "\"") + "; echo $d[\"b\"], \"\\n\";\n";
    program += "$x=[\"title\"=>\"T\",\"author\"=>[\"born\"=>1970,\"data\"=>\"A&B\"]]; echo " +
               memberCall(93, "$x", "") + ", \"\\n\";\n";
    program += "$v=\"3x\"; echo " + memberCall(105, "$v", "") + " + " + memberCall(106, "$v", "") + ", \"\\n\";\n";
    program += "$f=fopen(\"" + ini + "\",\"r\"); echo " + memberCall(124, "$f", "") + ", \" \", " +
               memberCall(125, "$f", "") + " > 0 ? \"t\" : \"f\", \" \"; var_export(" +
               memberCall(126, "$f", "") + "); echo \"\\n\";\n";
    // an offset outside the text finds nothing; an empty array has no
    // greatest, least or random element; a list stays numbered from 0
    program += "$t=\"abc\"; var_export([" + memberCall(21, "$t", "\"c\",1") + ", " +
               memberCall(21, "$t", "\"a\",4") + ", " + memberCall(22, "$t", "\"a\",-4") + ", " +
               memberCall(23, "$t", "\"B\"") + "]); echo \"\\n\";\n";
    program += "$e=[]; $n=[3,1,3]; var_export([" + memberCall(64, "$e", "") + ", " +
               memberCall(66, "$e", "") + ", " + memberCall(70, "$e", "") + ", " +
               memberCall(64, "$n", "") + ", " + memberCall(66, "$n", "") + ", " +
               memberCall(81, "$n", "") + "]); echo \"\\n\";\n";
    program += "echo " + std::string(builtinTable[146].phpName) + "(2) === true ? \"bool\" : \"int\", \"\\n\";\n";
    program += std::string("var_export([") + builtinTable[151].phpName + "([1]), " +
               builtinTable[170].phpName + "([\"a\"=>1]), " + builtinTable[170].phpName + "([1,2]), " +
               builtinTable[170].phpName + "(\"a\")]);\n";
    std::string expected =
        "abcd\n"
        "true\n"
        "1-2 12\n"
        "k true\n"
        "two\n"
        "<author born=\"1970\">A&amp;B</author>\n"
        "6\n"
        "10 t true\n"
        "array (\n  0 => 2,\n  1 => false,\n  2 => false,\n  3 => 1,\n)\n"
        "array (\n  0 => false,\n  1 => false,\n  2 => false,\n  3 => 3,\n  4 => 1,\n"
        "  5 => \n  array (\n    0 => 3,\n    1 => 1,\n  ),\n)\n"
        "bool\n"
        "array (\n  0 => true,\n  1 => true,\n  2 => false,\n  3 => false,\n)";
    EXPECT_EQ(runPhp(program), expected);
    std::remove(ini.c_str());
}

}  // namespace
