#include <gtest/gtest.h>

#include "semantic/classes.h"
#include "semantic/run_records.h"
#include "semantic/symbols.h"

// Records no list owns are freed together; one deleted on its own leaves
// the list at once, so it is never freed twice.
TEST(RunRecords, ReleasedTogetherOrDeletedAlone)
{
    size_t before = liveRunRecords();
    Symbol* kept = new Symbol("a", "a", 5, 1, 0);
    new FunctionRecord("f");
    new ClassRecord();
    EXPECT_EQ(liveRunRecords(), before + 3);
    delete kept;
    EXPECT_EQ(liveRunRecords(), before + 2);
    releaseRunRecords();
    EXPECT_EQ(liveRunRecords(), 0u);
}
