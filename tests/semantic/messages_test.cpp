// Reporters: exact lines on standard output and the error count.
#include "semantic_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

class Reporters : public SemanticTest {
protected:
    void SetUp() override {
        SemanticTest::SetUp();
        sourceFileName = "a.vel";
        lineNumber = 12;
    }
    template <typename Action>
    static std::string captured(Action action) {
        return diagnostics(action);
    }
};

TEST_F(Reporters, TableHoldsNinetyOneTextsThenNull) {
    EXPECT_STREQ(errorMessages[0], "unknown error");
    EXPECT_STREQ(errorMessages[46], "not declared");
    EXPECT_STREQ(errorMessages[69], "");
    EXPECT_STREQ(errorMessages[79], "\"$\" not declared, or \"$\" method not defined");
    EXPECT_STREQ(errorMessages[90], "unbalanced XML tag");
    EXPECT_EQ(errorMessages[91], nullptr);
}

TEST_F(Reporters, PlainReportersWriteOneCountedLine) {
    struct Case {
        const char* what;
        void (*report)();
        const char* line;
    };
    const Case cases[] = {
        {"code", [] { reportError(Msg::caseExpected); }, "a.vel L12: case expected\n"},
        {"text", [] { reportErrorText("ERROR_EQUAL"); }, "a.vel L12: ERROR_EQUAL\n"},
        {"name", [] { reportErrorName(Msg::notDeclared, "x"); }, "a.vel L12: \"x\" not declared\n"},
        {"empty word", [] { reportErrorName(Msg::scopeNone, "x"); }, "a.vel L12: \"x\" \n"},
        {"internal", [] { internalError(5001); }, "Internal error [5001] line 12\n"},
        {"unknown action", [] { unknownActionError("$s", 3); },
         "a.vel L12: unknown action #3 on $s\n"},
        {"syntax", [] { syntaxError(); }, "a.vel L12: syntax error\n"},
        {"already declared", [] { alreadyDeclaredError("f"); },
         "a.vel L12: \"f\" already declared\n"},
        {"what is", [] { reportWhatIs("x"); }, "a.vel L12: what is x?\n"},
        {"bad syntax", [] { reportBadSyntax(Msg::wordCall); }, "a.vel L12: bad call syntax\n"},
        {"operator", [] { reportOperatorTypeError(Msg::wordBoolean, 10, 5); },
         "a.vel L12: can't solve boolean expression on text and integer\n"},
        {"cant assign", [] { reportCantAssign(29, 10); },
         "a.vel L12: can't assign to int array, from text\n"},
        {"assign count", [] { reportAssignCount(3, 2); },
         "a.vel L12: 3 required, attempting to assign 2 values\n"},
        {"instance", [] { reportInstanceRequired("n", "integer"); },
         "a.vel L12: n is integer, instance required\n"},
        {"call type", [] { reportCallTypeError(Msg::badArgumentIn, "f", 5, 10); },
         "a.vel L12: bad argument in \"f\" call, integer expected, text found\n"},
        {"one argument", [] { reportArgumentCount("f", 1, 3); },
         "a.vel L12: \"f\" requires 1 argument, 3 found\n"},
        {"two arguments", [] { reportArgumentCount("f", 2, 0); },
         "a.vel L12: \"f\" requires 2 arguments, 0 found\n"},
        {"no argument", [] { reportArgumentCount("f", 0, 1); },
         "a.vel L12: \"f\" requires 0 argument, 1 found\n"},
        {"return count", [] { reportReturnCount("g", 2, 1); },
         "a.vel L12: \"g\" must return 2 and not 1 values\n"},
    };
    for (const Case& c : cases) {
        errorCount = 0;
        EXPECT_EQ(captured(c.report), c.line) << c.what;
        EXPECT_EQ(errorCount, 1) << c.what;
    }
}

TEST_F(Reporters, DollarInsideInsertedTextIsNoPlaceholder) {
    codeBuffer = "$x";
    EXPECT_EQ(captured([] { reportAlreadyDeclaredIn(Msg::scopeGlobal); }),
              "a.vel L12: \"$x\" already declared as global\n");
    codeBuffer = "$";
    EXPECT_EQ(captured([] { reportCallTypeError(Msg::badReturnTypeIn, "$$", 5, 10); }),
              "a.vel L12: bad return type in \"$$\" call, integer expected, text found\n");
}

TEST_F(Reporters, ExtraFillsChangeNothing) {
    pendingMessage = errorMessages[85];
    substituteArgument("if");  // fills the one placeholder
    std::string filled = pendingMessage;
    EXPECT_EQ(filled, "bad if syntax");
    substituteArgument("again");
    EXPECT_EQ(pendingMessage, filled);
}

TEST_F(Reporters, RequiredTypeNamesTheCurrentType) {
    currentType = 3;
    EXPECT_EQ(captured([] { reportRequiredType(Msg::requiredSequence); }),
              "a.vel L12: sequence required, found boolean\n");
}

TEST_F(Reporters, StackUnderflowWritesTwoLinesAndCountsTwo) {
    EXPECT_EQ(captured([] { stackUnderflowError("scan"); }),
              "Internal error [0] line 12\na.vel L12: stack underflow in scan\n");
    EXPECT_EQ(errorCount, 2);
}

TEST_F(Reporters, DuplicateNameUsesTheCodeBuffer) {
    codeBuffer = "$y";
    int result = 1;
    EXPECT_EQ(captured([&] { result = duplicateNameError(); }), "a.vel L12: \"$y\" duplicate name\n");
    EXPECT_EQ(result, 0);
}

TEST_F(Reporters, LocationAloneIsNotCounted) {
    EXPECT_EQ(captured([] { printLocation(); }), "a.vel L12: ");
    EXPECT_EQ(errorCount, 0);
}

TEST_F(Reporters, NotDeclaredOncePerNameAndSituationAndFile) {
    currentType = 5;
    currentKind = 2;
    EXPECT_EQ(captured([] { reportNotDeclared("x"); }), "a.vel L12: \"x\" not declared\n");
    EXPECT_EQ(currentType, 0);
    EXPECT_EQ(currentKind, 0);
    EXPECT_EQ(captured([] { reportNotDeclared("x"); }), "");
    inClass = 1;
    EXPECT_EQ(captured([] { reportNotDeclared("x"); }), "a.vel L12: \"x\" not declared\n");
    EXPECT_EQ(captured([] { reportNotDeclared("x"); }), "");
    inClass = 0;
    // A later file reports the name again.
    sourceFileName = "b.vel";
    EXPECT_EQ(captured([] { reportNotDeclared("x"); }), "b.vel L12: \"x\" not declared\n");
    EXPECT_EQ(errorCount, 3);
}

TEST_F(Reporters, DumpListsCodesFromOne) {
    std::string listing = captured([] { dumpErrorMessages(); });
    EXPECT_EQ(listing.rfind("1 syntax error\n2 semantic error\n", 0), 0u);
    EXPECT_NE(listing.find("\n69 \n"), std::string::npos);
    const std::string last = "\n90 unbalanced XML tag\n";
    ASSERT_GT(listing.size(), last.size());
    EXPECT_EQ(listing.substr(listing.size() - last.size()), last);
    EXPECT_EQ(listing.find("unknown error"), std::string::npos);
}

}  // namespace

namespace {

TEST_F(Reporters, LoadedMessagesReplaceTheirCodesOnly) {
    char directory[] = "/tmp/velp_messages_XXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    std::string previous = std::filesystem::current_path();
    std::filesystem::current_path(directory);
    {
        std::ofstream file("errors.fr");
        file << "# comment\n46 non déclaré\n95 hors table\n-1 négatif\n7 cas attendu\n1234 fin\n8 jamais\n";
    }
    const char* saved[errorMessageCount + 1];
    std::copy(errorMessages, errorMessages + errorMessageCount + 1, saved);
    std::string echoed = captured([] { loadErrorMessages(); });
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);
    EXPECT_EQ(echoed, "46) non déclaré\n7) cas attendu\n");
    EXPECT_STREQ(errorMessages[46], "non déclaré");
    EXPECT_STREQ(errorMessages[7], "cas attendu");
    EXPECT_STREQ(errorMessages[8], "case block expected");
    EXPECT_EQ(errorMessages[91], nullptr);
    EXPECT_EQ(captured([] { reportErrorName(Msg::notDeclared, "x"); }),
              "a.vel L12: \"x\" non déclaré\n");
    std::copy(saved, saved + errorMessageCount + 1, errorMessages);
}

}  // namespace
