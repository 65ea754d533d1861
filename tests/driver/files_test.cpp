#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "driver/config.h"
#include "driver/console.h"
#include "driver/files.h"
#include "driver/state.h"
#include "scratch.h"
#include "semantic/messages.h"

namespace {

class Files : public ScratchDir {};

TEST_F(Files, SetFileNames) {
    struct Case {
        const char* given;
        const char* source;
        const char* base;
        const char* target;
    } cases[] = {
        {"prog", "prog.vel", "prog", "prog.php"},
        {"prog.vel", "prog.vel", "prog", "prog.php"},
        {"PROG.VEL", "PROG.VEL", "PROG", "PROG.php"},
        {"x.txt", "x.txt.vel", "x.txt", "x.txt.php"},
        {"d.v/prog", "d.v/prog.vel", "d.v/prog", "d.v/prog.php"},
        {".vel", ".vel", "", ".php"},
    };
    ASSERT_EQ(mkdir("d.v", 0755), 0);
    for (const Case& c : cases) {
        write(c.source, "");
        sourceFileName = c.given;
        setFileNames();
        EXPECT_EQ(sourceFileName, c.source);
        EXPECT_EQ(baseName, c.base);
        EXPECT_EQ(targetFileName, c.target);
    }
    EXPECT_EQ(targetNameFor(".vel"), ".vel.php");
    EXPECT_EQ(targetNameFor("a.VeL"), "a.php");
}

TEST_F(Files, MissingSourceEndsTheRun) {
    sourceFileName = "nofile";
    EXPECT_EXIT(setFileNames(), ::testing::ExitedWithCode(1), "");
}

TEST_F(Files, SummaryLines) {
    struct Case {
        int errors;
        int quietMode;
        const char* line;
    } cases[] = {
        {0, 0, "prog.php, compiled 12 lines\n"},
        {0, 1, ""},
        {1, 0, "prog.php, compiled 12 lines, there is 1 error\n"},
        {3, 1, "prog.php, compiled 12 lines, there are 3 errors\n"},
    };
    write("prog.vel", "");
    write("prog.php", "");
    sourceFileName = "prog.vel";
    targetFileName = "prog.php";
    lineNumber = 13;
    for (const Case& c : cases) {
        setTime("prog.vel", 2000000);
        setTime("prog.php", 2000000);
        quiet = c.quietMode;
        testing::internal::CaptureStdout();
        printCompileSummary(c.errors);
        fflush(stdout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.line);
        // Errors set the target back to two seconds before its source.
        EXPECT_EQ(modificationTime("prog.php"), c.errors ? 1999998 : 2000000);
    }
    quiet = 0;
}

TEST(RunCommand, WordsReachTheShellLiterally) {
    EXPECT_EQ(buildRunCommand("prog.php", {}), "php -q prog.php ");
    EXPECT_EQ(buildRunCommand("prog.php", {"a", "b"}), "php -q prog.php  a b");
    EXPECT_EQ(buildRunCommand("src/my prog.php", {"x=1,y", "a b", "it's", "$HOME;", ""}),
              "php -q 'src/my prog.php'  x=1,y 'a b' 'it'\\''s' '$HOME;' ''");
}

TEST(ConfigFile, Lines) {
    struct Case {
        const char* line;
        int result;
        const char* key;
        const char* value;
    } cases[] = {
        {"# comment = x\n", 1, "", ""},
        {"no equal sign\n", 0, "", ""},
        {"  key  =  value \t\r\n", 1, "key", "value"},
        {"a=b=c\n", 1, "a", "b=c"},
        {"  # not a comment = 1\n", 1, "# not a comment", "1"},
        {"k=\xc3\xa9\n", 1, "k", "\xc3\xa9"},
    };
    for (const Case& c : cases) {
        configKey.clear();
        configValue.clear();
        EXPECT_EQ(parseConfigLine(c.line), c.result) << c.line;
        EXPECT_EQ(configKey, c.key) << c.line;
        EXPECT_EQ(configValue, c.value) << c.line;
    }
}

TEST_F(Files, ConfigFileReadWhetherOrNotThere) {
    EXPECT_TRUE(readConfigFile("velp.ini"));
    write("velp.ini", "quiet = 1\nverbose=1\n");
    EXPECT_TRUE(readConfigFile("velp.ini"));
    EXPECT_EQ(configKey, "verbose");
    EXPECT_EQ(quiet, 0);
    EXPECT_EQ(verbose, 0);
}

}  // namespace
