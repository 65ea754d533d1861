#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sys/stat.h>
#include <string>
#include <vector>

#include "driver/console.h"
#include "driver/files.h"
#include "driver/include_graph.h"
#include "driver/run.h"
#include "driver/state.h"
#include "scratch.h"
#include "semantic/messages.h"

namespace {

// Errors each stub compilation reports, by source name.
std::map<std::string, int> errorsOf;

void stubCompile() {
    FILE* target = std::fopen(targetFileName.c_str(), "w");
    std::fputs("<?php\n", target);
    std::fclose(target);
    errorCount = errorsOf[sourceFileName];
    lineNumber = 1;
    printCompileSummary(errorCount);
}

int stubSources() {
    return compileAll(stubCompile, 1);
}

class Run : public ScratchDir {
protected:
    void SetUp() override {
        ScratchDir::SetUp();
        quiet = verbose = rebuildAll = keepTemp = 0;
        bannerShown = false;
        errorsOf.clear();
        // A php that records its arguments, one a line, and says it ran.
        ASSERT_EQ(mkdir("bin", 0755), 0);
        write("bin/php", "#!/bin/sh\nprintf '%s\\n' \"$@\" > php.args\necho PROGRAM\n");
        ASSERT_EQ(chmod("bin/php", 0755), 0);
        oldPath_ = getenv("PATH");
        setenv("PATH", (dir_ + "/bin:" + oldPath_).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath_.c_str(), 1);
        ScratchDir::TearDown();
    }

    int run(std::vector<std::string> words, std::string& out) {
        std::vector<char*> argv;
        words.insert(words.begin(), "velp");
        for (std::string& w : words)
            argv.push_back(&w[0]);
        testing::internal::CaptureStdout();
        int code = runDriver(static_cast<int>(argv.size()), argv.data(), CompileLoops{stubSources, stubSources});
        fflush(stdout);
        out = testing::internal::GetCapturedStdout();
        return code;
    }

    std::string oldPath_;
};

TEST_F(Run, ErrorsOfEveryFileStopTheRunAndMakeTheExitCode) {
    write("main.vel", "include \"a.vel\"\n");
    write("a.vel", "");
    errorsOf["./a.vel"] = 2;
    std::string out;
    EXPECT_EQ(run({"-q", "main"}, out), 2);
    EXPECT_EQ(out, "./a.php, compiled 0 lines, there are 2 errors\n");
    EXPECT_FALSE(fileExists("php.args"));
}

TEST_F(Run, ExitCodeIsCappedAt255) {
    write("main.vel", "");
    errorsOf["main.vel"] = 256;
    std::string out;
    EXPECT_EQ(run({"-q", "main"}, out), 255);
}

TEST_F(Run, CompiledWithoutErrorsRunsAfterOurLines) {
    write("main.vel", "include \"a.vel\"\n");
    write("a.vel", "");
    std::string out;
    EXPECT_EQ(run({"-v", "main", "x y", "$z"}, out), 0);
    std::string banner = std::string("\nVelandro-PHP 7 Compiler V. 18.5 - ") + projectAddress + "\n";
    EXPECT_EQ(out, banner +
                       "Analyzing main.vel\n"
                       "included: ./a.vel\n"
                       "Analyzing ./a.vel\n"
                       "./a.php, compiled 0 lines\n"
                       "main.php, compiled 0 lines\n"
                       "Running main.php x y $z\n"
                       "PROGRAM\n");
    EXPECT_EQ(read("php.args"), "-q\nmain.php\nx y\n$z\n");
}

TEST_F(Run, UpToDateRunsAtOnceAndRebuildDoesNotRun) {
    write("main.vel", "");
    write("main.php", "");
    setTime("main.vel", 3000000);
    setTime("main.php", 3000000);
    std::string out;
    EXPECT_EQ(run({"main"}, out), 0);
    EXPECT_EQ(out, "PROGRAM\n");

    unlink("php.args");
    bannerShown = false;
    EXPECT_EQ(run({"-cq", "main"}, out), 0);
    EXPECT_EQ(out, "");
    EXPECT_FALSE(fileExists("php.args"));
}

}  // namespace
