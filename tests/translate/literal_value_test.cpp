// A literal taken as a value: the text it keeps and the type it has.
#include <gtest/gtest.h>

#include "parser/literal_actions.h"
#include "parser/state.h"
#include "semantic/semantic.h"

namespace {

TEST(LiteralValue, TextAndType)
{
    struct Case {
        const char* token;
        int tokenType;
        const char* text;
        int type;
    } cases[] = {
        {"123", typeInteger, "123", typeInteger},
        {"123n", typeInteger, "123", typeNatural},
        {"10L", typeInteger, "10L", typeInteger},
        {"0x1F", typeInteger, "0x1F", typeInteger},
        {"2.5", typeReal, "2.5", typeReal},
        {"2.5f", typeReal, "2.5f", typeReal},
        {"2.5r", typeReal, "2.5r", typeReal},
        {"'ab'", typeText, "'ab'", typeText},
        {"\"a$b\"", typeText, "\"a$b\"", typeText},
    };
    for (const Case& c : cases) {
        takeLiteralValue(c.token, c.tokenType);
        EXPECT_EQ(currentIdentifier, c.text) << c.token;
        EXPECT_EQ(currentType, c.type) << c.token;
    }
}

}  // namespace
