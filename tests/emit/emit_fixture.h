// Shared set-up of the emission tests: the output file is a memory stream,
// the translation state starts afresh, diagnostics are captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "emit/emit.h"
#include "semantic/semantic.h"

class EmitTest : public ::testing::Test {
protected:
    // Tests that loop over a table call SetUp and TearDown once a row.
    void SetUp() override
    {
        closeStream();
        resetEmitRun();
        resetSemanticRun();
        outputFile = open_memstream(&buffer_, &size_);
        sourceFileName = "t.vel";
        // as after a statement, and a reference read by its name
        resetAssignLists();
        referenceAccessKind = 1;
    }

    void TearDown() override { closeStream(); }

    void closeStream()
    {
        if (outputFile)
            std::fclose(outputFile);
        outputFile = nullptr;
        std::free(buffer_);
        buffer_ = nullptr;
        size_ = 0;
    }

    // Everything written to the output file so far.
    std::string output()
    {
        std::fflush(outputFile);
        return std::string(buffer_, size_);
    }

    // Runs `action` and returns what it printed on standard output.
    template <class Action>
    static std::string diagnostics(Action action)
    {
        ::testing::internal::CaptureStdout();
        action();
        return ::testing::internal::GetCapturedStdout();
    }

private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
};
