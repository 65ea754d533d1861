#include <gtest/gtest.h>

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
};

INSTANTIATE_TEST_SUITE_P(Lines, PreparePage, ::testing::ValuesIn(pageCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
