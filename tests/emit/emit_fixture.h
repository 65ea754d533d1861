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
        outputFile = open_memstream(&buffer_, &size_);
        newlineState = 0;
        indentLevel = 0;
        resetExpressions();
        exprType[0] = 0;
        leftTypeStack.clear();
        savedOperandTexts.clear();
        listOperatorStack.clear();
        resetAssignLists();
        rvalueFlag = lvalueFlag = 0;
        referenceAccessKind = 1;
        indexedContainerType = 0;
        generatorCounter = 0;
        currentType = 0;
        assignOperator = '=';
        codeBuffer.clear();
        sourceFileName = "t.vel";
        lineNumber = 1;
        errorCount = 0;
        staticModifier = 0;
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
