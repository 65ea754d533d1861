#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "driver/strip.h"

namespace {

// The comment rules character by character, a line at a time, as the
// scanner applied them before it worked on whole texts in blocks: the fast
// scanner must agree with it on every text.
namespace reference {

int inComment = 0;
int openTextBlock = 0;

size_t findEither(const char* line, size_t i, size_t n, char a, char b) {
    while (i < n && line[i] != a && line[i] != b)
        ++i;
    return i;
}

size_t findSub(const char* line, size_t from, size_t n, const char* pair) {
    for (size_t i = from; i + 1 < n; ++i)
        if (line[i] == pair[0] && line[i + 1] == pair[1])
            return i;
    return std::string::npos;
}

bool blank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool appendCode(const char* line, size_t n, std::string& out) {
    size_t i = 0;
    const size_t start = out.size();
    if (!openTextBlock) {
        if (n >= 2 && line[0] == '#') {
            while (n > 0 && blank(line[n - 1]))
                --n;
            out.append(line, n);
            return true;
        }
        if (inComment) {
            size_t close = n < 2 ? std::string::npos : findSub(line, 0, n, "*/");
            if (close == std::string::npos)
                return false;
            i = close + 2;
        }
    }
    inComment = 0;
    char quote = 0;
    while (i < n) {
        if (openTextBlock == '`') {
            size_t end = findEither(line, i, n, '`', '`');
            if (end < n) {
                ++end;
                openTextBlock = 0;
            }
            out.append(line + i, end - i);
            i = end;
            continue;
        }
        if (openTextBlock == '~') {
            size_t end = findSub(line, i, n, "~~");
            if (end == std::string::npos) {
                out.append(line + i, n - i);
                i = n;
            } else {
                out.append(line + i, end + 2 - i);
                i = end + 2;
                openTextBlock = 0;
            }
            continue;
        }
        if (quote) {
            size_t end = findEither(line, i, n, '\\', quote);
            out.append(line + i, end - i);
            i = end;
            if (i >= n)
                break;
            out += line[i];
            ++i;
            if (line[i - 1] == '\\') {
                if (i < n) {
                    out += line[i];
                    ++i;
                }
            } else {
                quote = 0;
            }
            continue;
        }
        char c = line[i];
        if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '`') {
            openTextBlock = '`';
        } else if (c == '~' && i + 1 < n && line[i + 1] == '~') {
            openTextBlock = '~';
            out += "~~";
            i += 2;
            continue;
        } else if (c == '/' && i + 1 < n) {
            if (line[i + 1] == '/')
                break;
            if (line[i + 1] == '*') {
                size_t close = findSub(line, i + 1, n, "*/");
                if (close == std::string::npos) {
                    inComment = 1;
                    break;
                }
                i = close + 2;
                continue;
            }
        }
        out += c;
        ++i;
    }
    size_t end = out.size();
    if (openTextBlock) {
        while (end > start && (out[end - 1] == '\n' || out[end - 1] == '\r'))
            --end;
    } else {
        while (end > start && blank(out[end - 1]))
            --end;
    }
    out.resize(end);
    return true;
}

// The lines of a text as a line reader cuts them, each with its line end:
// LF, CR or CRLF, as the lexer counts lines.
std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    while (from < text.size()) {
        size_t eol = text.find_first_of("\r\n", from);
        size_t next = eol == std::string::npos ? text.size() : eol + 1;
        if (eol != std::string::npos && text[eol] == '\r' && next < text.size() &&
            text[next] == '\n')
            ++next;
        lines.push_back(text.substr(from, next - from));
        from = next;
    }
    return lines;
}

std::string preparedText(const std::string& text) {
    inComment = 0;
    openTextBlock = 0;
    std::string out;
    for (const std::string& line : linesOf(text)) {
        appendCode(line.data(), line.size(), out);
        out += '\n';
    }
    return out;
}

}  // namespace reference

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

using namespace std::string_literals;

// Texts that put every rule at a block boundary or the end of the input.
const std::string wholeTexts[] = {
    ""s,
    "x"s,
    "#"s,
    "#x"s,
    "#\n/* a\n#\n*/ b"s,
    "a = 1\r\nb = 2 // two\r\n"s,
    "last line without an end   "s,
    "nul\0byte \0\n\0\n"s,
    "print \"a very long text that runs past sixteen bytes // kept\" // cut\n"s,
    "x = 'quoted \\' text past a block of sixteen' /* gone */ + y\n"s,
    "t = `a template over\r\n lines // kept   \r\n and its end` // cut\n"s,
    "~~ native code over   \nlines ~ with a tilde ~~~ after\n"s,
    "0123456789abcde/* a comment that closes after the block ends */ z\n"s,
    "0123456789abcdef\"unclosed quote at the end\\"s,
    "/* opened\n   all comment, longer than sixteen bytes\n*/"s,
    "/*/ whole */ x\n/*\n"s,
    "print 1 // c\rprint 2\rprint 3\r"s,
    "a /* b\rc */ d\r\re\r\n# f\rg"s,
    "t = `a\rb\r\r\nc` // x\r~~ d\re ~~\r"s,
};

TEST(PreparedText, WholeTextsAgreeWithLineRules) {
    for (const std::string& text : wholeTexts) {
        resetCommentState();
        std::string prepared;
        appendPreparedText(text.data(), text.size(), prepared);
        EXPECT_EQ(prepared, reference::preparedText(text)) << "text: " << text;
        EXPECT_EQ(inComment, reference::inComment) << "text: " << text;
        EXPECT_EQ(openTextBlock, reference::openTextBlock) << "text: " << text;
    }
}

// A CR alone ends a line as LF and CRLF do, as the lexer counts lines: a
// comment ends with its line, and the copy has one LF line for each.
TEST(PreparedText, EveryLineEndIsOne) {
    struct Case {
        std::string text, prepared;
    } cases[] = {
        {"print 1 // c\rprint 2\rprint 3\r", "print 1\nprint 2\nprint 3\n"},
        {"a // x\r\nb // y\nc // z\rd", "a\nb\nc\nd\n"},
        {"t = `x\r\ry` // z\rw", "t = `x\n\ny`\nw\n"},
        {"# k\r/* a\rb */ c\r", "# k\n\n c\n"},
    };
    for (const Case& c : cases) {
        resetCommentState();
        std::string prepared;
        appendPreparedText(c.text.data(), c.text.size(), prepared);
        EXPECT_EQ(prepared, c.prepared) << c.text;
    }
}

TEST(PreparedText, KeepsLineNumbersAndEnds) {
    resetCommentState();
    std::string prepared;
    const std::string text = "a // x\r\n/* b\nc */ d\n\ne";
    appendPreparedText(text.data(), text.size(), prepared);
    EXPECT_EQ(prepared, "a\n\n d\n\ne\n");
}

// Random texts over the characters the rules look at: the whole-text scan,
// and the one-line scan a line at a time, against the line rules.
TEST(PreparedText, RandomTextsAgreeWithLineRules) {
    const char alphabet[] = "ab #/*\"'`~\\\r\n\t";
    std::mt19937 random(12345);
    std::uniform_int_distribution<size_t> pick(0, sizeof alphabet - 1);  // the NUL too
    std::uniform_int_distribution<size_t> length(0, 160);
    for (int round = 0; round < 20000; ++round) {
        std::string text(length(random), ' ');
        // Every other text mostly plain, so that runs cross whole blocks.
        for (char& c : text)
            c = round % 2 && random() % 8 ? 'a' : alphabet[pick(random)];
        resetCommentState();
        std::string prepared;
        appendPreparedText(text.data(), text.size(), prepared);
        ASSERT_EQ(prepared, reference::preparedText(text)) << "text: " << text;
        ASSERT_EQ(inComment, reference::inComment) << "text: " << text;
        ASSERT_EQ(openTextBlock, reference::openTextBlock) << "text: " << text;

        resetCommentState();
        reference::inComment = 0;
        reference::openTextBlock = 0;
        for (const std::string& line : reference::linesOf(text)) {
            std::string fast;
            std::string slow;
            ASSERT_EQ(appendCode(line.data(), line.size(), fast),
                      reference::appendCode(line.data(), line.size(), slow))
                << "line: " << line;
            ASSERT_EQ(fast, slow) << "line: " << line;
        }
    }
}

}  // namespace
