// Token streams of the Velandro lexer: input text -> (type, text, line,
// column) for every token up to EOF, or up to the lexical error.
#include "VelandroLexer.hpp"

#include <antlr/TokenStreamRecognitionException.hpp>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Display names by token type, as the parser's error messages show them.
// ORDER VOCABULARY: twin of lexer/VelandroPinnedTokenTypes.txt, checked
// against the generated vocabulary below.
const char* const kDisplayNames[] = {
    "<0>", "EOF", "<2>", "NULL_TREE_LOOKAHEAD", "OPENVEL", "CLOSEVEL", "LESSER",
    "an identifier", "EQUAL", "GREATER", "SLASHSCRIPT", "HTML", "EOL",
    "\"velandro\"", "\"QvelandroQ\"", "\"DvelandroD\"", "\"vel\"", "\"script\"",
    "SLASHEXTERN", "REAL_LITERAL", "DOT", "DIV", "\"\\\\\"", "MINUS", "INTEGER",
    "LEFTPAR", "STRING_LITERAL", "RIGHTPAR", "SEMI", "\"static\"", "MUL",
    "COMMA", "SLASHCLASS", "ATCHAR", "Q_COMMENT", "NATIVECODE", "LEFTSQUARE",
    "RIGHTSQUARE", "\"private\"", "\"protected\"", "\"volatile\"", "QUESTION",
    "COLON", "\"break\"", "\"continue\"", "DOTDOT", "MINMIN", "XOPEN",
    "TEMPLATE", "XCLOSE", "\"if\"", "SLASHIF", "SLASHFOR", "PLUS", "SLASHWHILE",
    "\"do\"", "SLASHDO", "\"always\"", "\"error\"", "SLASHERROR", "\"enum\"",
    "SLASHENUM", "\"try\"", "\"catch\"", "SLASHTRY", "OR_BIN", "XOR_BIN",
    "AND_BIN", "LEFTCURLY", "RIGHTCURLY", "\"case\"", "DIFF", "PDIFF",
    "LESS_EQUAL", "GREAT_EQUAL", "\"is\"", "\"in\"", "\"match\"", "\"as\"",
    "\"define\"", "\"step\"", "\"super\"", "\"mod\"", "\"alias\"", "\"void\"",
    "\"bool\"", "\"boolean\"", "\"byte\"", "\"number\"", "\"int\"", "\"real\"",
    "\"integer\"", "\"natural\"", "\"var\"", "\"array\"", "\"dict\"",
    "\"file\"", "\"dir\"", "\"text\"", "\"string\"", "\"cstring\"",
    "\"function\"", "\"char\"", "\"object\"", "\"zero\"", "\"nil\"", "\"true\"",
    "\"false\"", "\"null\"", "\"class\"", "\"import\"", "\"include\"",
    "\"using\"", "\"java\"", "\"javax\"", "\"else\"", "\"print\"", "\"return\"",
    "\"echo\"", "\"while\"", "\"until\"", "\"for\"", "\"forever\"", "\"let\"",
    "\"global\"", "\"extern\"", "\"not\"", "\"this\"", "\"input\"", "\"const\"",
    "\"and\"", "\"or\"", "NOT_BIN", "SHIFT_LEFT", "SHIFT_RIGHT", "POWOP",
    "NOT_EQUAL", "PASDIFF", "EQIF", "PHPID", "PHPCONSTANT", "WS_", "SL_COMMENT",
    "ML_COMMENT", "SLASH", "SHIFTR", "SHIFTL", "ESC", "HEX_DIGIT", "VOCAB",
    "EXPONENT", "REAL_SUFFIX",
};
constexpr int kTypes = sizeof kDisplayNames / sizeof kDisplayNames[0];
static_assert(kTypes == 152, "the vocabulary has 152 types");

bool isKeyword(int type) { return kDisplayNames[type][0] == '"'; }

// The keyword's text, without the quotes of its display name.
std::string keywordText(int type) {
    std::string name = kDisplayNames[type];
    name = name.substr(1, name.size() - 2);
    return name == "\\\\" ? "\\" : name;
}

// The name of the type's constant: ID, LITERAL_if, BACKSLASH, EOF, ...
std::string typeName(int type) {
    if (type < 0 || type >= kTypes) return "<" + std::to_string(type) + ">";
    if (type == 7) return "ID";
    if (type == 22) return "BACKSLASH";
    if (isKeyword(type)) return "LITERAL_" + keywordText(type);
    return kDisplayNames[type];
}

std::string escape(const std::string& s) {
    std::string out;
    for (unsigned char c : s) {
        switch (c) {
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        case '\\': out += "\\\\"; break;
        default:
            if (c < 32 || c >= 127) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\x%02x", c);
                out += buf;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out;
}

// One token, or the lexical error (type "error", text the message).
struct Tok {
    std::string type;
    std::string text;
    int line;
    int column;
};

std::string show(const Tok& t) {
    return t.type + " [" + escape(t.text) + "] " + std::to_string(t.line) + ":" +
           std::to_string(t.column);
}

// The stream as nextToken gives it, or, with `batch`, as the parser's
// queue reads it: the lexer's direct path first, up to `batch` tokens at a
// time, nextToken for the rest.
std::vector<std::string> lex(const std::string& input, size_t batch = 0) {
    std::istringstream in(input);
    VelandroLexer lexer(in);
    lexer.setFilename("t.vel");
    std::vector<std::string> out;
    std::vector<QuickToken> quick(batch + 1);
    // Every input here is short; the bound only stops a lexer that loops.
    for (size_t i = 0; i <= input.size() + 1; ++i) {
        try {
            size_t n = batch ? lexer.quickTokens(quick.data(), batch) : 0;
            for (size_t k = 0; k < n; ++k) {
                // the token object the parser would get says the same
                const QuickToken& q = quick[k];
                antlr::RefToken t = lexer.tokenFor(q);
                std::string shown = show({typeName(q.type), std::string(q.text, q.length), q.line,
                                          q.column});
                EXPECT_EQ(shown, show({typeName(t->getType()), t->getText(), t->getLine(),
                                       t->getColumn()}));
                out.push_back(shown);
            }
            if (n != 0)
                continue;
            antlr::RefToken t = lexer.nextToken();
            out.push_back(show({typeName(t->getType()), t->getText(), t->getLine(),
                                t->getColumn()}));
            if (t->getType() == antlr::Token::EOF_TYPE) return out;
        } catch (const antlr::TokenStreamRecognitionException& e) {
            out.push_back(show({"error", e.getMessage(), e.getLine(), e.getColumn()}));
            return out;
        }
    }
    out.push_back("no EOF");
    return out;
}

struct LexCase {
    const char* name;
    std::string input;
    std::vector<Tok> tokens;
};

// Only the name: the input may hold bytes that upset test discovery.
void PrintTo(const LexCase& c, std::ostream* os) { *os << c.name; }

class LexerTokens : public testing::TestWithParam<LexCase> {};

TEST_P(LexerTokens, Stream) {
    std::vector<std::string> want;
    for (const Tok& t : GetParam().tokens) want.push_back(show(t));
    EXPECT_EQ(lex(GetParam().input), want) << "input: " << escape(GetParam().input);
    for (size_t batch : {1, 3, 16})
        EXPECT_EQ(lex(GetParam().input, batch), want)
            << "direct path in batches of " << batch << ", input: " << escape(GetParam().input);
}

std::string caseName(const testing::TestParamInfo<LexCase>& info) {
    return info.param.name;
}

// --- Dispatch, positions, characters that start no token -------------------

const LexCase kDispatch[] = {
    {"Empty", "", {{"EOF", "", 1, 1}}},
    {"LessLetterIsTag", "a<b", {{"ID", "a", 1, 1}, {"XOPEN", "<b", 1, 2}, {"EOF", "", 1, 4}}},
    {"LessBlankIsLesser", "a < b",
     {{"ID", "a", 1, 1}, {"LESSER", "<", 1, 3}, {"ID", "b", 1, 5}, {"EOF", "", 1, 6}}},
    {"ScriptTag", "<script", {{"XOPEN", "<script", 1, 1}, {"EOF", "", 1, 8}}},
    {"LessBlankScript", "< script",
     {{"LESSER", "<", 1, 1}, {"LITERAL_script", "script", 1, 3}, {"EOF", "", 1, 9}}},
    {"OpenVel", "<?vel",
     {{"OPENVEL", "<?", 1, 1}, {"LITERAL_vel", "vel", 1, 3}, {"EOF", "", 1, 6}}},
    {"CloseVel", "?>", {{"CLOSEVEL", "?>", 1, 1}, {"EOF", "", 1, 3}}},
    {"QuestionBlankGreater", "? >",
     {{"QUESTION", "?", 1, 1}, {"GREATER", ">", 1, 3}, {"EOF", "", 1, 4}}},
    {"TwoCharOperators", "<<<>>>",
     {{"SHIFT_LEFT", "<<", 1, 1}, {"PASDIFF", "<>", 1, 3}, {"SHIFT_RIGHT", ">>", 1, 5},
      {"EOF", "", 1, 7}}},
    {"ComparisonsAndEqif", "<= >= := --",
     {{"LESS_EQUAL", "<=", 1, 1}, {"GREAT_EQUAL", ">=", 1, 4}, {"EQIF", ":=", 1, 7},
      {"MINMIN", "--", 1, 10}, {"EOF", "", 1, 12}}},
    {"OneCharPrefixes", "/?{:->~<",
     {{"DIV", "/", 1, 1}, {"QUESTION", "?", 1, 2}, {"LEFTCURLY", "{", 1, 3},
      {"COLON", ":", 1, 4}, {"MINUS", "-", 1, 5}, {"GREATER", ">", 1, 6},
      {"NOT_BIN", "~", 1, 7}, {"LESSER", "<", 1, 8}, {"EOF", "", 1, 9}}},
    {"MinusAndMinmin", "a-b a--b",
     {{"ID", "a", 1, 1}, {"MINUS", "-", 1, 2}, {"ID", "b", 1, 3}, {"ID", "a", 1, 5},
      {"MINMIN", "--", 1, 6}, {"ID", "b", 1, 8}, {"EOF", "", 1, 9}}},
    {"CurlyBarOpensHtml", "{x} {||}",
     {{"LEFTCURLY", "{", 1, 1}, {"ID", "x", 1, 2}, {"RIGHTCURLY", "}", 1, 3},
      {"HTML", "{||}", 1, 5}, {"EOF", "", 1, 9}}},
    {"PhpForms", "$x $_x $(A)",
     {{"PHPID", "$x", 1, 1}, {"PHPID", "$_x", 1, 4}, {"PHPCONSTANT", "$(A)", 1, 8},
      {"EOF", "", 1, 12}}},
    {"TabStops", "\tx\n\t\ty\n   \tz\n1234567\tw",
     {{"ID", "x", 1, 9}, {"EOL", "\n", 1, 10}, {"ID", "y", 2, 17}, {"EOL", "\n", 2, 18},
      {"ID", "z", 3, 9}, {"EOL", "\n", 3, 10}, {"INTEGER", "1234567", 4, 1},
      {"ID", "w", 4, 9}, {"EOF", "", 4, 10}}},
    {"Char17IsDropped", "a\x17" "b", {{"ID", "a", 1, 1}, {"ID", "b", 1, 3}, {"EOF", "", 1, 4}}},
    {"DollarDigit", "$1", {{"error", "unexpected char: '$'", 1, 1}}},
    {"LoneDollar", "a $", {{"ID", "a", 1, 1}, {"error", "unexpected char: '$'", 1, 3}}},
    {"Percent", "a\n  %", {{"ID", "a", 1, 1}, {"EOL", "\n", 1, 2},
                           {"error", "unexpected char: '%'", 2, 3}}},
    {"Backslash", "\\", {{"error", "unexpected char: '\\'", 1, 1}}},
    {"Underscore", "_x", {{"error", "unexpected char: '_'", 1, 1}}},
    {"HighByte", "x\xe9", {{"ID", "x", 1, 1}, {"error", "unexpected char: 0xE9", 1, 2}}},
    {"VerticalTab", "\v", {{"error", "unexpected char: 0x0B", 1, 1}}},
};
INSTANTIATE_TEST_SUITE_P(Dispatch, LexerTokens, testing::ValuesIn(kDispatch), caseName);

// --- Blanks, line ends, single characters ----------------------------------

const LexCase kBasics[] = {
    {"Blanks", "a b\tc\fd",
     {{"ID", "a", 1, 1}, {"ID", "b", 1, 3}, {"ID", "c", 1, 9}, {"ID", "d", 1, 11},
      {"EOF", "", 1, 12}}},
    {"CrLfIsOneLineEnd", "\r\nx", {{"EOL", "\r\n", 1, 1}, {"ID", "x", 2, 1}, {"EOF", "", 2, 2}}},
    {"LfCrIsTwo", "\n\rx",
     {{"EOL", "\n", 1, 1}, {"EOL", "\r", 2, 1}, {"ID", "x", 3, 1}, {"EOF", "", 3, 2}}},
    {"CrCrLfIsTwo", "\r\r\n",
     {{"EOL", "\r", 1, 1}, {"EOL", "\r\n", 2, 1}, {"EOF", "", 3, 1}}},
    {"TrailingCr", "x\r", {{"ID", "x", 1, 1}, {"EOL", "\r", 1, 2}, {"EOF", "", 2, 1}}},
    {"SingleChars", "()[]},;+*^|&@",
     {{"LEFTPAR", "(", 1, 1}, {"RIGHTPAR", ")", 1, 2}, {"LEFTSQUARE", "[", 1, 3},
      {"RIGHTSQUARE", "]", 1, 4}, {"RIGHTCURLY", "}", 1, 5}, {"COMMA", ",", 1, 6},
      {"SEMI", ";", 1, 7}, {"PLUS", "+", 1, 8}, {"MUL", "*", 1, 9}, {"XOR_BIN", "^", 1, 10},
      {"OR_BIN", "|", 1, 11}, {"AND_BIN", "&", 1, 12}, {"ATCHAR", "@", 1, 13},
      {"EOF", "", 1, 14}}},
    {"EqualsAndNotEqual", "== !=",
     {{"EQUAL", "=", 1, 1}, {"EQUAL", "=", 1, 2}, {"NOT_EQUAL", "!=", 1, 4},
      {"EOF", "", 1, 6}}},
    {"BarCurlyIsNoHtml", "|}",
     {{"OR_BIN", "|", 1, 1}, {"RIGHTCURLY", "}", 1, 2}, {"EOF", "", 1, 3}}},
    {"BangLetter", "!x", {{"error", "expecting ''='', found ''x''", 1, 2}}},
    {"BangAtEnd", "!", {{"error", "expecting ''='', found 'EOF'", 1, 2}}},
};
INSTANTIATE_TEST_SUITE_P(Basics, LexerTokens, testing::ValuesIn(kBasics), caseName);

// --- Comments ----------------------------------------------------------------

const LexCase kComments[] = {
    {"HashKeepsItsLineEnd", "# text\r\nx",
     {{"Q_COMMENT", "# text\r\n", 1, 1}, {"ID", "x", 2, 1}, {"EOF", "", 2, 2}}},
    {"SlashSlashTakesLineEnd", "x // note\ny",
     {{"ID", "x", 1, 1}, {"ID", "y", 2, 1}, {"EOF", "", 2, 2}}},
    {"BlockCountsLines", "/* one\ntwo */ y", {{"ID", "y", 2, 8}, {"EOF", "", 2, 9}}},
    {"BlockCountsEveryLineEnd", "/*\r\r\n\n*/x", {{"ID", "x", 4, 3}, {"EOF", "", 4, 4}}},
    {"EmptyBlock", "/**/x", {{"ID", "x", 1, 5}, {"EOF", "", 1, 6}}},
    {"StarInsideBlock", "/* a*b **/x", {{"ID", "x", 1, 11}, {"EOF", "", 1, 12}}},
    {"BlocksDoNotNest", "/* a /* b */ c */",
     {{"ID", "c", 1, 14}, {"MUL", "*", 1, 16}, {"DIV", "/", 1, 17}, {"EOF", "", 1, 18}}},
    {"UnclosedBlock", "/*/", {{"error", "expecting ''*'', found ''/''", 1, 3}}},
    {"UnclosedBlockAtEnd", "/* a", {{"error", "expecting ''*'', found ''a''", 1, 4}}},
    {"HashOnLastLine", "# last", {{"error", "unexpected char: EOF", 1, 7}}},
    {"SlashSlashOnLastLine", "x //", {{"ID", "x", 1, 1}, {"error", "unexpected char: EOF", 1, 5}}},
};
INSTANTIATE_TEST_SUITE_P(Comments, LexerTokens, testing::ValuesIn(kComments), caseName);

// --- Strings, templates, native code, page text ------------------------------

const LexCase kTexts[] = {
    {"EmptyStrings", "\"\"''",
     {{"STRING_LITERAL", "\"\"", 1, 1}, {"STRING_LITERAL", "''", 1, 3}, {"EOF", "", 1, 5}}},
    {"OtherQuoteInside", "\"it's\" 'say \"hi\"'",
     {{"STRING_LITERAL", "\"it's\"", 1, 1}, {"STRING_LITERAL", "'say \"hi\"'", 1, 8},
      {"EOF", "", 1, 18}}},
    {"EscapesStayAsWritten", "\"a\\\"b\\n\\$\\\\\" '\\''",
     {{"STRING_LITERAL", "\"a\\\"b\\n\\$\\\\\"", 1, 1}, {"STRING_LITERAL", "'\\''", 1, 14},
      {"EOF", "", 1, 18}}},
    {"UnicodeEscapes", "\"\\u0041\\uu00fF\"",
     {{"STRING_LITERAL", "\"\\u0041\\uu00fF\"", 1, 1}, {"EOF", "", 1, 16}}},
    {"ShortUnicodeEscape", "\"\\u004\"", {{"error", "unexpected char: '\"'", 1, 7}}},
    {"OctalEscapes", "\"\\0\\07\\377\\48\\1234\"",
     {{"STRING_LITERAL", "\"\\0\\07\\377\\48\\1234\"", 1, 1}, {"EOF", "", 1, 20}}},
    {"OctalBeforeLineEnd", "'\\1\n'", {{"error", "unexpected char: 0x0A", 1, 4}}},
    // A digit with a line end after it is left to the string.
    {"OctalDigitBeforeLineEnd", "'\\12\n'", {{"error", "expecting ''''', found '0x0A'", 1, 5}}},
    {"EightIsNoEscape", "\"\\8\"", {{"error", "unexpected char: '8'", 1, 3}}},
    {"HexIsNoEscape", "\"\\x41\"", {{"error", "unexpected char: 'x'", 1, 3}}},
    {"StringCutByLineEnd", "\"ab\ncd\"", {{"error", "expecting ''\"'', found '0x0A'", 1, 4}}},
    {"StringCutByEnd", "'ab", {{"error", "expecting ''''', found 'EOF'", 1, 4}}},
    {"TabInString", "'a\tb' x",
     {{"STRING_LITERAL", "'a\tb'", 1, 1}, {"ID", "x", 1, 12}, {"EOF", "", 1, 13}}},
    {"UnicodeInString", "'\xc3\xa9'", {{"STRING_LITERAL", "'\xc3\xa9'", 1, 1}, {"EOF", "", 1, 5}}},
    {"TemplateSpansLines", "`a\nb\\\r\nc` x",
     {{"TEMPLATE", "`a\nb\\\r\nc`", 1, 1}, {"ID", "x", 3, 4}, {"EOF", "", 3, 5}}},
    {"TemplateOpenAtEnd", "`ab", {{"error", "expecting ''`'', found ''b''", 1, 3}}},
    {"NativeCode", "~~ a ~ \r\n b ~~~",
     {{"NATIVECODE", "~~ a ~ \r\n b ~~", 1, 1}, {"NOT_BIN", "~", 2, 6}, {"EOF", "", 2, 7}}},
    {"NativeCodeOpenAtEnd", "~~ a~", {{"error", "expecting ''~'', found 'EOF'", 1, 6}}},
    {"HtmlBlocks", "{|a|b|}{|<p>|}b|}",
     {{"HTML", "{|a|b|}", 1, 1}, {"HTML", "{|<p>|}", 1, 8}, {"ID", "b", 1, 15},
      {"OR_BIN", "|", 1, 16}, {"RIGHTCURLY", "}", 1, 17}, {"EOF", "", 1, 18}}},
    {"HtmlNotClosedOnItsLine", "{|text\n|}", {{"error", "expecting ''|'', found ''t''", 1, 6}}},
};
INSTANTIATE_TEST_SUITE_P(Texts, LexerTokens, testing::ValuesIn(kTexts), caseName);

// --- Numbers and dots ----------------------------------------------------------

const LexCase kNumbers[] = {
    {"Integers", "0 7 42 007 0b101 0B1 0x1F 0XffL 12n 3l",
     {{"INTEGER", "0", 1, 1}, {"INTEGER", "7", 1, 3}, {"INTEGER", "42", 1, 5},
      {"INTEGER", "007", 1, 8}, {"INTEGER", "0b101", 1, 12}, {"INTEGER", "0B1", 1, 18},
      {"INTEGER", "0x1F", 1, 22}, {"INTEGER", "0XffL", 1, 27}, {"INTEGER", "12n", 1, 33},
      {"INTEGER", "3l", 1, 37}, {"EOF", "", 1, 39}}},
    {"OctalStopsAtEight", "08 0789",
     {{"INTEGER", "0", 1, 1}, {"INTEGER", "8", 1, 2}, {"INTEGER", "07", 1, 4},
      {"INTEGER", "89", 1, 6}, {"EOF", "", 1, 8}}},
    {"Reals", "1.5 0.25 00.5 .5 1e10 1E+3 2e-7f 1.5e3R 1f 7r .5f",
     {{"REAL_LITERAL", "1.5", 1, 1}, {"REAL_LITERAL", "0.25", 1, 5},
      {"REAL_LITERAL", "00.5", 1, 10}, {"REAL_LITERAL", ".5", 1, 15},
      {"REAL_LITERAL", "1e10", 1, 18}, {"REAL_LITERAL", "1E+3", 1, 23},
      {"REAL_LITERAL", "2e-7f", 1, 28}, {"REAL_LITERAL", "1.5e3R", 1, 34},
      {"REAL_LITERAL", "1f", 1, 41}, {"REAL_LITERAL", "7r", 1, 44},
      {"REAL_LITERAL", ".5f", 1, 47}, {"EOF", "", 1, 50}}},
    {"RangeBetweenIntegers", "1..10",
     {{"INTEGER", "1", 1, 1}, {"DOTDOT", "..", 1, 2}, {"INTEGER", "10", 1, 4}, {"EOF", "", 1, 6}}},
    {"ThreeDots", "... ...5",
     {{"DOTDOT", "..", 1, 1}, {"DOT", ".", 1, 3}, {"DOTDOT", "..", 1, 5},
      {"REAL_LITERAL", ".5", 1, 7}, {"EOF", "", 1, 9}}},
    {"RealsAmongOthers", "1.5x 2.0+a 0..2 0.x 07.5 1.5.5",
     {{"REAL_LITERAL", "1.5", 1, 1}, {"ID", "x", 1, 4}, {"REAL_LITERAL", "2.0", 1, 6},
      {"PLUS", "+", 1, 9}, {"ID", "a", 1, 10}, {"INTEGER", "0", 1, 12},
      {"DOTDOT", "..", 1, 13}, {"INTEGER", "2", 1, 15}, {"INTEGER", "0", 1, 17},
      {"DOT", ".", 1, 18}, {"ID", "x", 1, 19}, {"REAL_LITERAL", "07.5", 1, 21},
      {"REAL_LITERAL", "1.5", 1, 26}, {"REAL_LITERAL", ".5", 1, 29}, {"EOF", "", 1, 31}}},
    {"SuffixLAfterReal", "1e5L 1.5L",
     {{"REAL_LITERAL", "1e5", 1, 1}, {"ID", "L", 1, 4}, {"REAL_LITERAL", "1.5", 1, 6},
      {"ID", "L", 1, 9}, {"EOF", "", 1, 10}}},
    {"DotAfterInteger", "1. a.b",
     {{"INTEGER", "1", 1, 1}, {"DOT", ".", 1, 2}, {"ID", "a", 1, 4}, {"DOT", ".", 1, 5},
      {"ID", "b", 1, 6}, {"EOF", "", 1, 7}}},
    {"NoSeparatorNeeded", "12abc 1else",
     {{"INTEGER", "12", 1, 1}, {"ID", "abc", 1, 3}, {"INTEGER", "1", 1, 7},
      {"LITERAL_else", "else", 1, 8}, {"EOF", "", 1, 12}}},
    {"FractionThenE", "1.5else", {{"error", "unexpected char: 'l'", 1, 5}}},
    {"ExponentWithoutDigits", ".5E+", {{"error", "unexpected char: EOF", 1, 5}}},
    {"HexWithoutDigits", "0x ", {{"error", "unexpected char: ' '", 1, 3}}},
    {"BinaryWithoutDigits", "0b2", {{"error", "unexpected char: '2'", 1, 3}}},
};
INSTANTIATE_TEST_SUITE_P(Numbers, LexerTokens, testing::ValuesIn(kNumbers), caseName);

// --- Identifiers, markup, closing keywords ---------------------------------------

const LexCase kNames[] = {
    {"KeywordIsCaseSensitive", "while While while2 while_x If iF iff",
     {{"LITERAL_while", "while", 1, 1}, {"ID", "While", 1, 7}, {"ID", "while2", 1, 13},
      {"ID", "while_x", 1, 20}, {"ID", "If", 1, 28}, {"ID", "iF", 1, 31},
      {"ID", "iff", 1, 34}, {"EOF", "", 1, 37}}},
    {"PageLanguageWords", "QvelandroQ qvelandroq Qvelandro DvelandroD",
     {{"LITERAL_QvelandroQ", "QvelandroQ", 1, 1}, {"ID", "qvelandroq", 1, 12},
      {"ID", "Qvelandro", 1, 23}, {"LITERAL_DvelandroD", "DvelandroD", 1, 33},
      {"EOF", "", 1, 43}}},
    {"LessBeforeDigit", "a<1",
     {{"ID", "a", 1, 1}, {"LESSER", "<", 1, 2}, {"INTEGER", "1", 1, 3}, {"EOF", "", 1, 4}}},
    {"ShiftThenEqual", "<<=",
     {{"SHIFT_LEFT", "<<", 1, 1}, {"EQUAL", "=", 1, 3}, {"EOF", "", 1, 4}}},
    {"Tags", "<div></div><h1_x>",
     {{"XOPEN", "<div", 1, 1}, {"GREATER", ">", 1, 5}, {"XCLOSE", "</div>", 1, 6},
      {"XOPEN", "<h1_x", 1, 12}, {"GREATER", ">", 1, 17}, {"EOF", "", 1, 18}}},
    {"CloseTagWithBlank", "</div >", {{"error", "expecting ''>'', found '' ''", 1, 6}}},
    {"CloseTagWithoutName", "</1>", {{"error", "unexpected char: '1'", 1, 3}}},
    {"PhpNames", "$_SERVER $(M_PI) $(_x1)",
     {{"PHPID", "$_SERVER", 1, 1}, {"PHPCONSTANT", "$(M_PI)", 1, 10},
      {"PHPCONSTANT", "$(_x1)", 1, 18}, {"EOF", "", 1, 24}}},
    {"PhpConstantBadName", "$(1)", {{"error", "unexpected char: '1'", 1, 3}}},
    {"PhpConstantUnclosed", "$(AB;", {{"error", "expecting '')'', found '';''", 1, 5}}},
};
INSTANTIATE_TEST_SUITE_P(Names, LexerTokens, testing::ValuesIn(kNames), caseName);

const LexCase kClosing[] = {
    {"BeforeLineEnd", "/if\nx",
     {{"SLASHIF", "/if", 1, 1}, {"EOL", "\n", 1, 4}, {"ID", "x", 2, 1}, {"EOF", "", 2, 2}}},
    {"BeforeCrLf", "/while\r\n",
     {{"SLASHWHILE", "/while", 1, 1}, {"EOL", "\r\n", 1, 7}, {"EOF", "", 2, 1}}},
    {"BeforeSemi", "/if;", {{"SLASHIF", "/if", 1, 1}, {"SEMI", ";", 1, 4}, {"EOF", "", 1, 5}}},
    // A page's code block trimmed to "/if?>" still closes the block.
    {"BeforeEndOfCode", "/if?>",
     {{"SLASHIF", "/if", 1, 1}, {"CLOSEVEL", "?>", 1, 4}, {"EOF", "", 1, 6}}},
    {"BeforeQuestionOnly", "/if?",
     {{"DIV", "/", 1, 1}, {"LITERAL_if", "if", 1, 2}, {"QUESTION", "?", 1, 4},
      {"EOF", "", 1, 5}}},
    {"BeforeTab", "/if\t", {{"DIV", "/", 1, 1}, {"LITERAL_if", "if", 1, 2}, {"EOF", "", 1, 9}}},
    {"AtEnd", "/for", {{"DIV", "/", 1, 1}, {"LITERAL_for", "for", 1, 2}, {"EOF", "", 1, 5}}},
    {"LongerWord", "/forever /dox",
     {{"DIV", "/", 1, 1}, {"LITERAL_forever", "forever", 1, 2}, {"DIV", "/", 1, 10},
      {"ID", "dox", 1, 11}, {"EOF", "", 1, 14}}},
    {"Division", "a/b",
     {{"ID", "a", 1, 1}, {"DIV", "/", 1, 2}, {"ID", "b", 1, 3}, {"EOF", "", 1, 4}}},
    {"AllTen", "/class /if /while /for /do /script /error /enum /try /extern ",
     {{"SLASHCLASS", "/class", 1, 1}, {"SLASHIF", "/if", 1, 8},
      {"SLASHWHILE", "/while", 1, 12}, {"SLASHFOR", "/for", 1, 19},
      {"SLASHDO", "/do", 1, 24}, {"SLASHSCRIPT", "/script", 1, 28},
      {"SLASHERROR", "/error", 1, 36}, {"SLASHENUM", "/enum", 1, 43},
      {"SLASHTRY", "/try", 1, 49}, {"SLASHEXTERN", "/extern", 1, 54}, {"EOF", "", 1, 62}}},
};
INSTANTIATE_TEST_SUITE_P(ClosingKeywords, LexerTokens, testing::ValuesIn(kClosing), caseName);

// --- Vocabulary and keyword table ------------------------------------------------

// The vocabulary the build generated for the parser: type -> its constant
// and display name ("ID an identifier", "LITERAL_if \"if\"").
std::map<int, std::string> generatedVocabulary() {
    std::ifstream file(VELP_BINARY_DIR "/lexer/VelandroTokenTypes.txt");
    EXPECT_TRUE(file) << "generated vocabulary not found";
    std::string line, vocabName;
    std::map<int, std::string> seen;
    while (std::getline(file, line)) {
        if (line.empty() || line.compare(0, 2, "//") == 0) continue;
        if (vocabName.empty()) {
            vocabName = line.substr(0, line.find_first_of(" \t"));
            continue;
        }
        size_t eq = line.rfind('=');
        if (eq == std::string::npos) {
            ADD_FAILURE() << line;
            continue;
        }
        int type = std::stoi(line.substr(eq + 1));
        std::string def = line.substr(0, eq), constant = def, display = def;
        size_t paren = def.find("(\"");
        size_t lit = def.find("=\"");
        if (paren != std::string::npos) {  // ID("an identifier")
            constant = def.substr(0, paren);
            display = def.substr(paren + 2, def.size() - paren - 4);
        } else if (lit != std::string::npos) {  // LITERAL_if="if"
            constant = def.substr(0, lit);
            display = def.substr(lit + 1);
        }
        EXPECT_TRUE(seen.emplace(type, constant + " " + display).second) << line;
    }
    EXPECT_EQ(vocabName, "Velandro");
    return seen;
}

// Every type from 4 to 151 with its constant and display name; 0 to 3 are
// the runtime's own.
TEST(LexerVocabulary, GeneratedFileHasEveryType) {
    std::map<int, std::string> seen = generatedVocabulary();
    for (int type = 4; type < kTypes; ++type) {
        auto it = seen.find(type);
        EXPECT_EQ(it == seen.end() ? "(missing)" : it->second,
                  typeName(type) + " " + kDisplayNames[type])
            << "type " << type;
        if (it != seen.end()) seen.erase(it);
    }
    for (const auto& extra : seen)
        ADD_FAILURE() << "unexpected type " << extra.first << " " << extra.second;
}

// How the lexer's direct path (BufferLexer::quickTokens) meets a token of
// the type: it makes the token itself, leaves it to the generated rule
// (nextToken), or the type is one no input makes as a token of its own.
enum class Path { direct, deferred, skipped, none };

struct VocabularySample {
    const char* constant;
    std::vector<std::pair<std::string, Path>> samples;  // text, and how it is read
};

// ORDER VOCABULARY: every non-keyword type of lexer/VelandroPinnedTokenTypes.txt,
// with texts that make it. A type added to the grammar fails the walk below
// until it is listed here, and its texts are read by both paths alike; the
// direct path's twins of the grammar's rules (ORDER SINGLE-TOKENS,
// ORDER OPERATORS, ORDER CLOSING-KEYWORDS in lexer/buffer_lexer.cpp) must
// agree with them.
const VocabularySample kVocabulary[] = {
    {"OPENVEL", {{"<?", Path::direct}}},
    {"CLOSEVEL", {{"?>", Path::direct}}},
    {"LESSER", {{"<", Path::direct}, {"< 1", Path::direct}}},
    {"ID", {{"abc", Path::direct}, {"a_17", Path::direct}, {"abcdefghijklmnopqrstu", Path::direct}}},
    {"EQUAL", {{"=", Path::direct}}},
    {"GREATER", {{">", Path::direct}}},
    {"SLASHSCRIPT", {{"/script\n", Path::direct}}},
    {"HTML", {{"{|a|}", Path::deferred}}},
    {"EOL", {{"\n", Path::direct}, {"\r\n", Path::direct}, {"\r", Path::direct}}},
    {"SLASHEXTERN", {{"/extern ", Path::direct}}},
    {"REAL_LITERAL", {{"1.5", Path::direct}, {"1e5", Path::deferred}, {".5", Path::deferred},
                      {"2r", Path::deferred}}},
    {"DOT", {{".", Path::direct}}},
    {"DIV", {{"/", Path::direct}, {"/iff", Path::direct}}},
    {"BACKSLASH", {}},  // a literal no name can spell
    {"MINUS", {{"-", Path::direct}}},
    {"INTEGER", {{"42", Path::direct}, {"0", Path::direct}, {"0x1F", Path::deferred},
                 {"017", Path::deferred}, {"3L", Path::deferred}}},
    {"LEFTPAR", {{"(", Path::direct}}},
    {"STRING_LITERAL", {{"'a'", Path::direct}, {"\"b\"", Path::direct},
                        {"'\\n'", Path::deferred}}},
    {"RIGHTPAR", {{")", Path::direct}}},
    {"SEMI", {{";", Path::direct}}},
    {"MUL", {{"*", Path::direct}}},
    {"COMMA", {{",", Path::direct}}},
    {"SLASHCLASS", {{"/class\n", Path::direct}}},
    {"ATCHAR", {{"@", Path::direct}}},
    {"Q_COMMENT", {{"# c\n", Path::deferred}}},
    {"NATIVECODE", {{"~~ x ~~", Path::deferred}}},
    {"LEFTSQUARE", {{"[", Path::direct}}},
    {"RIGHTSQUARE", {{"]", Path::direct}}},
    {"QUESTION", {{"?", Path::direct}}},
    {"COLON", {{":", Path::direct}}},
    {"DOTDOT", {{"..", Path::direct}}},
    {"MINMIN", {{"--", Path::direct}}},
    {"XOPEN", {{"<b", Path::direct}}},
    {"TEMPLATE", {{"`t`", Path::deferred}}},
    {"XCLOSE", {{"</b>", Path::direct}}},
    {"SLASHIF", {{"/if\n", Path::direct}, {"/if;", Path::direct}, {"/if?>", Path::direct}}},
    {"SLASHFOR", {{"/for ", Path::direct}}},
    {"PLUS", {{"+", Path::direct}}},
    {"SLASHWHILE", {{"/while\r\n", Path::direct}}},
    {"SLASHDO", {{"/do ", Path::direct}}},
    {"SLASHERROR", {{"/error ", Path::direct}}},
    {"SLASHENUM", {{"/enum ", Path::direct}}},
    {"SLASHTRY", {{"/try ", Path::direct}}},
    {"OR_BIN", {{"|", Path::direct}}},
    {"XOR_BIN", {{"^", Path::direct}}},
    {"AND_BIN", {{"&", Path::direct}}},
    {"LEFTCURLY", {{"{", Path::direct}}},
    {"RIGHTCURLY", {{"}", Path::direct}}},
    {"DIFF", {}},   // the parser's own, made by no rule
    {"PDIFF", {}},
    {"LESS_EQUAL", {{"<=", Path::direct}}},
    {"GREAT_EQUAL", {{">=", Path::direct}}},
    {"NOT_BIN", {{"~", Path::direct}}},
    {"SHIFT_LEFT", {{"<<", Path::direct}}},
    {"SHIFT_RIGHT", {{">>", Path::direct}}},
    {"POWOP", {}},
    {"NOT_EQUAL", {{"!=", Path::direct}}},
    {"PASDIFF", {{"<>", Path::direct}}},
    {"EQIF", {{":=", Path::direct}}},
    {"PHPID", {{"$x", Path::deferred}}},
    {"PHPCONSTANT", {{"$(A)", Path::deferred}}},
    {"WS_", {{" \t\f", Path::skipped}}},
    {"SL_COMMENT", {{"// c\n", Path::skipped}}},
    {"ML_COMMENT", {{"/* c */", Path::skipped}}},
    {"SLASH", {}},   // its tokens take the types above
    {"SHIFTR", {}},
    {"SHIFTL", {}},
    {"ESC", {}},     // protected rules: parts of other tokens
    {"HEX_DIGIT", {}},
    {"VOCAB", {}},
    {"EXPONENT", {}},
    {"REAL_SUFFIX", {}},
};

// Whether the direct path makes the first token of `text` itself.
bool directPathReads(const std::string& text) {
    std::istringstream in(text);
    VelandroLexer lexer(in);
    QuickToken quick[2];
    return lexer.quickTokens(quick, 1) == 1;
}

// Each type of the vocabulary is known to the walk, and its texts lex to it
// the same through nextToken and through the direct path, in the way the
// table says.
TEST(LexerVocabulary, EveryTypeThroughBothPaths) {
    std::map<std::string, const VocabularySample*> byConstant;
    for (const VocabularySample& entry : kVocabulary)
        EXPECT_TRUE(byConstant.emplace(entry.constant, &entry).second) << entry.constant;
    for (const auto& [type, definition] : generatedVocabulary()) {
        std::string constant = definition.substr(0, definition.find(' '));
        auto it = byConstant.find(constant);
        if (isKeyword(type) && it == byConstant.end()) {
            // a keyword is a name the direct path looks up
            std::string word = keywordText(type);
            EXPECT_TRUE(directPathReads(word)) << word;
            EXPECT_EQ(lex(word, 1), lex(word)) << word;
            continue;
        }
        if (it == byConstant.end()) {
            ADD_FAILURE() << "type " << type << " " << constant
                          << " is new: list it in kVocabulary, and teach the direct path "
                             "its texts or leave them to nextToken";
            continue;
        }
        const VocabularySample& entry = *it->second;
        byConstant.erase(it);
        for (const auto& [text, path] : entry.samples) {
            std::vector<std::string> generated = lex(text);
            ASSERT_FALSE(generated.empty()) << constant;
            std::string first = generated.front().substr(0, generated.front().find(' '));
            if (path == Path::skipped)
                EXPECT_EQ(first, "EOF") << constant << ": " << escape(text);
            else
                EXPECT_EQ(first, constant) << constant << ": " << escape(text);
            EXPECT_EQ(directPathReads(text), path == Path::direct)
                << constant << ": " << escape(text);
            for (size_t batch : {1, 16})
                EXPECT_EQ(lex(text, batch), generated) << constant << ": " << escape(text);
        }
    }
    for (const auto& stale : byConstant)
        ADD_FAILURE() << stale.first << " is listed but not in the vocabulary";
}

TEST(LexerVocabulary, EveryKeywordIsReserved) {
    for (int type = 0; type < kTypes; ++type) {
        if (!isKeyword(type) || type == 22) continue;
        std::string word = keywordText(type);
        EXPECT_EQ(lex(word), (std::vector<std::string>{
                                 show({typeName(type), word, 1, 1}),
                                 show({"EOF", "", 1, static_cast<int>(word.size()) + 1})}));
    }
}

// --- Stream behaviour beyond one token list ------------------------------------

TEST(LexerStream, EofRepeatsAndErrorsRepeat) {
    std::istringstream in("x");
    VelandroLexer lexer(in);
    EXPECT_EQ(lexer.nextToken()->getType(), VelandroTokenTypes::ID);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(lexer.nextToken()->getType(), antlr::Token::EOF_TYPE);

    // The lexer does not recover: the offending character stays unread.
    std::istringstream bad("%");
    VelandroLexer stuck(bad);
    for (int i = 0; i < 2; ++i)
        EXPECT_THROW(stuck.nextToken(), antlr::TokenStreamRecognitionException);
}

TEST(LexerStream, ErrorNamesFileLineAndColumn) {
    std::istringstream in("a\n  %");
    VelandroLexer lexer(in);
    lexer.setFilename("prog.vel");
    try {
        while (lexer.nextToken()->getType() != antlr::Token::EOF_TYPE) {
        }
        FAIL() << "no lexical error";
    } catch (const antlr::TokenStreamRecognitionException& e) {
        EXPECT_EQ(e.getFilename(), "prog.vel");
        EXPECT_EQ(e.toString(), "prog.vel:2:3: unexpected char: '%'");
    }
}

// Whatever the bytes, the lexer ends in EOF or a runtime token-stream error:
// every pair of bytes, and every byte inside each kind of token.
TEST(LexerStream, AnyBytesEndCleanly) {
    std::vector<std::string> inputs;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) inputs.push_back({char(a), char(b)});
        for (const char* prefix : {"\"", "'\\", "`", "~~", "{|", "/*", "#", "0x", "1.5e", "12", "07", "1.", "/if",
                                   "</a", "$(a"}) {
            for (const char* follow : {"", "\n", "\r", "*/", "~~", "|}", "`", "\""})
                inputs.push_back(prefix + std::string(1, char(a)) + follow);
        }
    }
    for (const std::string& input : inputs) {
        std::vector<std::string> out = lex(input);
        ASSERT_NE(out.back(), "no EOF") << escape(input);
        // the direct path makes the same tokens, errors included
        ASSERT_EQ(lex(input, 1), out) << escape(input);
        ASSERT_EQ(lex(input, 16), out) << escape(input);
    }
}

}  // namespace
