#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/strip.h"

namespace {

struct StripCase {
    const char* name;
    std::vector<std::string> lines;      // as read, line ends included
    std::vector<std::string> expected;   // the code text of each
};

void PrintTo(const StripCase& c, std::ostream* os) {
    *os << c.name;
}

class StripComments : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripComments, CodeTextLineForLine) {
    const StripCase& c = GetParam();
    resetCommentState();
    ASSERT_EQ(c.lines.size(), c.expected.size());
    for (size_t i = 0; i < c.lines.size(); ++i) {
        std::string line = c.lines[i];
        EXPECT_EQ(stripComments(line), c.expected[i]) << "line " << i + 1;
    }
}

const StripCase stripCases[] = {
    {"LineCommentCut", {"x = 1 // one\n"}, {"x = 1"}},
    {"LineCommentInStringKept", {"print \"a // b\" // c\n"}, {"print \"a // b\""}},
    {"EscapedQuoteKeepsString", {"print \"a\\\" // b\" // c\n"}, {"print \"a\\\" // b\""}},
    {"EscapedBackslashEndsString", {"print \"a\\\\\" // c\n"}, {"print \"a\\\\\""}},
    {"SingleQuotes", {"print 'it // s' /* x */\n"}, {"print 'it // s'"}},
    {"InlineCommentJoinsSides", {"a = 1 /* one */ + 2\n"}, {"a = 1  + 2"}},
    {"SlashStarSlashIsWhole", {"a /*/ b\n"}, {"a  b"}},
    {"CommentOverLines",
     {"a = 1 /* start\n", "middle // x\n", "still\n", "end */ b = 2\n", "c\n"},
     {"a = 1", "", "", " b = 2", "c"}},
    {"HashLineKeptInsideComment",
     {"/* open\n", "# note /* here\n", "*/ x\n"},
     {"", "# note /* here", " x"}},
    {"HashLineOpensNoComment", {"# a /* b\n", "c\n"}, {"# a /* b", "c"}},
    {"BlankLineBecomesEmpty", {"   \t \r\n"}, {""}},
    {"LeadingBlanksStay", {"   x   \r\n"}, {"   x"}},
    {"HighBytesAreNotBlanks", {"print \"caf\xc3\xa9\" // \xc3\xa9\n", "# d\xc3\xa9j\xc3\xa0\n"},
     {"print \"caf\xc3\xa9\"", "# d\xc3\xa9j\xc3\xa0"}},
    {"TemplateOverLinesKeepsSlashes",
     {"t = `http://a /* b\n", "  c // d   \n", "e` // gone\n"},
     {"t = `http://a /* b", "  c // d   ", "e`"}},
    {"TemplateBackslashIsPlain", {"t = `a\\` // gone\n"}, {"t = `a\\`"}},
    {"NativeCodeOverLinesKeepsSlashes",
     {"~~ $a = 1; // php\n", "/* php */ ~~ // gone\n"},
     {"~~ $a = 1; // php", "/* php */ ~~"}},
    {"NativeCodeOnOneLine", {"~~ a // b ~~ // c\n"}, {"~~ a // b ~~"}},
};

INSTANTIATE_TEST_SUITE_P(Lines, StripComments, ::testing::ValuesIn(stripCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StripCommentsState, WholeCommentLineLeavesLineUnchanged) {
    resetCommentState();
    std::string open = "x /* a\n";
    stripComments(open);
    EXPECT_EQ(open, "x");
    std::string inside = "  inside  \n";
    EXPECT_EQ(stripComments(inside), "");
    EXPECT_EQ(inside, "  inside  \n");
    EXPECT_EQ(inComment, 1);
}

}  // namespace
