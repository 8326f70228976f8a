#include "sayings/SayingTable.h"
#include "platform/RuntimeFailure.h"

#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

TEST(SayingTable, HoldsSlotsZeroToOneThousandAndChecksEveryAccess)
{
    SayingTable table;
    EXPECT_EQ(table.at(0), "");
    table.set(0, "first");
    table.set(1000, "last");
    EXPECT_EQ(table.at(0), "first");
    EXPECT_EQ(table.at(1000), "last");
    for (const int outside : { -1, 1001 }) {
        SCOPED_TRACE(outside);
        EXPECT_THROW(table.at(outside), RuntimeFailure);
        try {
            table.set(outside, "x");
            FAIL();
        } catch (const RuntimeFailure &failure) {
            EXPECT_EQ(failure.kind(), FailureKind::SubscriptOutOfRange);
        }
    }
}

} // namespace
} // namespace jestrel
