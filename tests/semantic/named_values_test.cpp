// Named values of "define" declarations.
#include "semantic_fixture.h"

namespace {

using NamedValues = SemanticTest;

TEST_F(NamedValues, EmptyTableFindsNothing) {
    EXPECT_FALSE(namedValueTable.find("T"));
    EXPECT_EQ(namedValueIndex, -1);
}

TEST_F(NamedValues, FirstEntryOfANameWinsAndAFailedSearchKeepsTheValue) {
    FunctionRecord* first = function("f", {5});
    FunctionRecord* second = function("g", {10});
    namedValueTable.addValue(first);
    namedValueTable.add("T");
    namedValueTable.addValue(nullptr);
    namedValueTable.add("U");
    namedValueTable.addValue(second);
    namedValueTable.add("T");
    EXPECT_TRUE(namedValueTable.find("T"));
    EXPECT_EQ(namedValue, first);
    EXPECT_EQ(namedValueIndex, 0);
    EXPECT_TRUE(namedValueTable.find("U"));
    EXPECT_EQ(namedValue, nullptr);
    EXPECT_EQ(namedValueIndex, 1);
    namedValueTable.find("T");
    EXPECT_FALSE(namedValueTable.find("t"));
    EXPECT_EQ(namedValue, first);
    EXPECT_EQ(namedValueIndex, -1);
}

TEST_F(NamedValues, ADefineThatFailsBeforeItsNameShiftsNothing) {
    FunctionRecord* lost = function("lost", {});
    FunctionRecord* kept = function("kept", {});
    namedValueTable.addValue(lost);  // its name never arrives
    namedValueTable.addValue(kept);
    namedValueTable.add("K");
    namedValueTable.add("Plain");  // a define without a value
    EXPECT_EQ(namedValueTable.names.size(), namedValueTable.values.size());
    EXPECT_TRUE(namedValueTable.find("K"));
    EXPECT_EQ(namedValue, kept);
    EXPECT_TRUE(namedValueTable.find("Plain"));
    EXPECT_EQ(namedValue, nullptr);
}

}  // namespace
