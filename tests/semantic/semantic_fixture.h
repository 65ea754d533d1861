// Shared set-up of the semantic-model tests: the model and the translation
// state start afresh, the output file is a memory stream, and diagnostics
// on standard output are captured.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "emit/emit.h"
#include "semantic/semantic.h"

class SemanticTest : public ::testing::Test {
public:
    void SetUp() override {
        resetEmitRun();
        resetSemanticRun();
        outputFile = open_memstream(&buffer_, &size_);
        sourceFileName = "t.vel";
        // as after a statement
        resetAssignLists();
    }

    void TearDown() override {
        if (outputFile) std::fclose(outputFile);
        outputFile = nullptr;
        std::free(buffer_);
        buffer_ = nullptr;
        resetSemanticFile();
    }

    // Everything written to the output file so far.
    std::string output() {
        std::fflush(outputFile);
        return std::string(buffer_, size_);
    }

    // Runs `action` and returns what it printed on standard output.
    template <class Action>
    static std::string diagnostics(Action action) {
        testing::internal::CaptureStdout();
        action();
        return testing::internal::GetCapturedStdout();
    }

    // A symbol declared as the parser's rules do: name, type, marks, kind.
    static Symbol* symbol(const std::string& name, unsigned flags, unsigned kind = 1,
                          int classIndex = 0) {
        return new Symbol(name, name, flags, kind, classIndex);
    }

    // A record with the given parameter types.
    static FunctionRecord* function(const std::string& name, std::initializer_list<int> parameters,
                                    std::initializer_list<int> returns = {}) {
        FunctionRecord* record = new FunctionRecord(name);
        for (int parameter : parameters) record->addParameter(parameter & ~64, parameter & 64);
        for (int type : returns) record->addReturnType(type);
        return record;
    }

    // Opens a class in the symbol table, with an optional parent.
    static ClassRecord* openClass(const std::string& name, const std::string& parent = "") {
        currentIdentifier = name;
        symbolTable.beginClass(name);
        if (!parent.empty()) symbolTable.setParentClass(parent);
        return symbolTable.currentClass;
    }

private:
    char* buffer_ = nullptr;
    size_t size_ = 0;
};
