// Enumeration values as PHP reads them, and the XML literal writer's
// separators.
#include "emit_fixture.h"

#include "emit/enumerations.h"
#include "emit/xml.h"

namespace {

TEST(EnumerationValues, IntegerLiteralsInTheirOwnBase)
{
    struct { const char* token; bool fits; long long value; const char* php; } cases[] = {
        {"0", true, 0, "0"},           {"42", true, 42, "42"},
        {"0x1F", true, 31, "0x1F"},    {"0X10L", true, 16, "0X10"},
        {"017", true, 15, "017"},      {"0b101n", true, 5, "0b101"},
        {"7l", true, 7, "7"},          {"9223372036854775807", true, 9223372036854775807LL,
                                        "9223372036854775807"},
        {"9223372036854775808", false, 0, "9223372036854775808"},
        {"0x8000000000000000", false, 0, "0x8000000000000000"},
        {"099", false, 0, "099"},      // no octal digit 9: not a number PHP takes
    };
    for (const auto& c : cases) {
        long long value = -1;
        EXPECT_EQ(integerLiteralValue(c.token, value), c.fits) << c.token;
        if (c.fits)
            EXPECT_EQ(value, c.value) << c.token;
        EXPECT_EQ(phpIntegerText(c.token), c.php) << c.token;
    }
    EXPECT_EQ(phpRealText("2.5f"), "2.5");
    EXPECT_EQ(phpRealText("1.5R"), "1.5");
    EXPECT_EQ(phpRealText("3.25"), "3.25");
}

using XmlWriter = EmitTest;

TEST_F(XmlWriter, EveryEntryAfterTheFirstOfItsElementIsSeparated)
{
    xmlBeginLiteral();
    xmlWriteHead("p", true, true);
    xmlWriteAttribute("id", "1");
    xmlWriteAttribute("k", "'v'");
    xmlWriteContent("\"a\"");
    xmlWriteHead("b", false, true);
    xmlWriteContent("\"x\"");
    xmlWriteClose();
    xmlWriteContent("\"c\"");
    xmlWriteHead("i", false, true);
    xmlWriteClose();
    EXPECT_EQ(xmlOpenDepth(), 1);
    xmlWriteClose();
    EXPECT_EQ(output(), "$p=[\"id\"=>1,\"k\"=>'v',\n\"data\"=>\"a\",\n\"b\"=>[\"data\"=>\"x\"],\n"
                        "\"c\",\n\"i\"=>[]]");
}

TEST_F(XmlWriter, UnassignableOutermostAndClosingWhatIsOpen)
{
    xmlBeginLiteral();
    xmlWriteHead("this", true, false);
    xmlWriteHead("a", false, true);
    xmlWriteHead("b", false, true);
    xmlCloseOpenElements();
    EXPECT_EQ(xmlOpenDepth(), 0);
    EXPECT_EQ(output(), "[\"a\"=>[\"b\"=>[]]]");
}

}  // namespace
