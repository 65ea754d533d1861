#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "driver/page.h"
#include "driver/strip.h"

namespace {

struct PageCase {
    const char* name;
    std::vector<std::string> lines;   // page lines as read
    std::string stream;               // the prepared stream
};

void PrintTo(const PageCase& c, std::ostream* os) {
    *os << c.name;
}

class PreparePage : public ::testing::TestWithParam<PageCase> {};

TEST_P(PreparePage, Stream) {
    const PageCase& c = GetParam();
    resetCommentState();
    int state = 0;
    std::string stream = "{|";
    for (const std::string& line : c.lines)
        stream += preparePageLine(line, state);
    if (state == 0)
        stream += "|}";
    EXPECT_EQ(stream, c.stream);
}

const PageCase pageCases[] = {
    {"CodeBlockPerLine", {"<html>\n", "<?vel print x ?>\n", "</html>\n"},
     "{|<html>|}\n{||}<?vel print x?>{||}\n{|</html>|}\n{||}"},
    {"TextAroundBlock", {"<p>a</p><?vel x = 1 ?><p>b</p>\n"},
     "{|<p>a</p>|}<?vel x = 1?>{|<p>b</p>|}\n{||}"},
    {"TwoBlocksOnALine", {"<?vel a ?> and <?vel b ?>\n"},
     "{||}<?vel a?>{| and |}<?vel b?>{||}\n{||}"},
    {"BlockOverLinesStripsComments",
     {"<?vel\n", "x = 1 // one\n", "/* two\n", "three */ y = 2\n", "?>\n"},
     "{||}<?vel\nx = 1\n\n y = 2\n?>{||}\n{||}"},
    {"EmptyLines", {"a\n", "\n", "<?vel\n", "\n", "?>\n"},
     "{|a|}\n{||}\n{||}<?vel\n\n?>{||}\n{||}"},
    {"ScriptDoubleQuoted", {"<script language=\"velandro\">print 1</script>\n"},
     "{||}< script language=DvelandroD>print 1< /script >{||}\n{||}"},
    {"ScriptSingleQuoted", {"<script language='velandro'>\n", "</script>\n"},
     "{||}< script language=QvelandroQ>\n< /script >{||}\n{||}"},
    {"ScriptBare", {"<script language=velandro>x</script>\n"},
     "{||}< script language=velandro>x< /script >{||}\n{||}"},
    {"VelTagBeforeScript", {"<script language=velandro><?vel a ?>\n"},
     "{|<script language=velandro>|}<?vel a?>{||}\n{||}"},
    {"CapitalScriptIsText", {"<SCRIPT LANGUAGE=velandro>x</SCRIPT>\n"},
     "{|<SCRIPT LANGUAGE=velandro>x</SCRIPT>|}\n{||}"},
    {"CloserInQuotesCloses", {"<?vel print \"?>\" ?>\n"},
     "{||}<?vel print \"?>{|\" ?>|}\n{||}"},
    {"TextTrailingBlanksCut", {"  <b>x</b>   \r\n"}, "{|  <b>x</b>|}\n{||}"},
    {"TextHoldingBarBrace", {"a|}b <?vel x ?> |}\n"},
     "{|a||}{|}b |}<?vel x?>{| ||}{|}|}\n{||}"},
    {"HighBytesKept", {"caf\xc3\xa9\n"}, "{|caf\xc3\xa9|}\n{||}"},
    {"UnclosedBlockAtEnd", {"<?vel x\n"}, "{||}<?vel x\n"},
    {"TagsOfBothKindsOnALine",
     {"<?vel a ?><script language=velandro>b</script> c <script language=velandro>d</script>\n"},
     "{||}<?vel a?>{||}< script language=velandro>b< /script >{| c |}"
     "< script language=velandro>d< /script >{||}\n{||}"},
};

INSTANTIATE_TEST_SUITE_P(Lines, PreparePage, ::testing::ValuesIn(pageCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The blocks of a line are taken at a position that moves on: a line of
// many blocks is prepared in time linear in its length (cutting each block
// off the line's front took time quadratic in their number).
TEST(PreparePageLine, ManyBlocksOnOneLineInLinearTime) {
    struct Kind {
        std::string block, stream;
    } kinds[] = {
        {"<?vel print 1 ?>", "|}<?vel print 1?>{|"},
        {"<script language=velandro>print 1</script>",
         "|}< script language=velandro>print 1< /script >{|"},
    };
    for (const Kind& k : kinds) {
        // processor seconds for a line of n blocks, the best of three runs
        auto secondsFor = [&k](int n) {
            std::string line, expected;
            for (int i = 0; i < n; ++i) {
                line += k.block;
                expected += k.stream;
            }
            double best = 1e9;
            for (int run = 0; run < 3; ++run) {
                resetCommentState();
                int state = 0;
                std::clock_t start = std::clock();
                std::string stream = preparePageLine(line + "\n", state);
                best = std::min(best, static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
                EXPECT_EQ(state, 0);
                EXPECT_TRUE(stream == expected + "|}\n{|") << stream.substr(0, 150);
            }
            return best;
        };
        // eight times the blocks: about eight times the time when linear,
        // sixty-four when quadratic (cutting blocks off the front took 4 s
        // at 80,000); whatever the ratio, a second is linear enough (a busy
        // machine can make the small line look too fast)
        double small = secondsFor(10000), large = secondsFor(80000);
        EXPECT_TRUE(large < 24 * small || large < 1.0)
            << k.block << ": " << small << " s, then " << large;
    }
}

// A page with CR line ends has its lines as one with LF ends has.
TEST(PreparePage, EveryLineEndIsOne) {
    const std::string page = "<p>\r<?vel print 1 // c\rprint 2 ?>\r\n</p>\r";
    FILE* in = fmemopen(const_cast<char*>(page.data()), page.size(), "r");
    char* text = nullptr;
    size_t length = 0;
    FILE* out = open_memstream(&text, &length);
    preparePage(in, out);
    std::fclose(in);
    std::fclose(out);
    EXPECT_EQ(std::string(text, length), "{|<p>|}\n{||}<?vel print 1\nprint 2?>{||}\n{|</p>|}\n{||}");
    std::free(text);
}

// Reads text blocks back the way the lexer does: a block runs from "{|" to
// the first "|}", and its text is what lies between.
std::string textOfBlocks(const std::string& stream) {
    std::string text;
    size_t at = 0;
    while ((at = stream.find("{|", at)) != std::string::npos) {
        size_t end = stream.find("|}", at + 2);
        if (end == std::string::npos)
            break;
        text += stream.substr(at + 2, end - at - 2);
        at = end + 2;
    }
    return text;
}

TEST(EscapePageText, BlocksReadBackAsTheText) {
    for (const char* text : {"|}", "a|}b", "||}}", "|}|}", "x|", "}", "{|y|}"}) {
        std::string stream = "{|" + escapePageText(text) + "|}";
        EXPECT_EQ(textOfBlocks(stream), text) << stream;
    }
}

}  // namespace
