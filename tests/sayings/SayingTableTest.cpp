#include "sayings/SayingTable.h"
#include "platform/RuntimeFailure.h"

#include <gtest/gtest.h>
#include <string>

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

TEST(SayingTable, KeepsItsOwnCopyOfEverySaying)
{
    SayingTable table;
    std::string saying(300, 'a');
    for (int slot = SayingTable::kLowerBound; slot <= SayingTable::kUpperBound; ++slot) {
        saying[0] = static_cast<char>('a' + slot % 26);
        table.set(slot, saying);
    }
    saying.assign(300, '?');
    EXPECT_EQ(table.at(0), 'a' + std::string(299, 'a'));
    EXPECT_EQ(table.at(1000), 'm' + std::string(299, 'a'));

    table.set(0, "");
    table.set(1, "shorter");
    EXPECT_EQ(table.at(0), "");
    EXPECT_EQ(table.at(1), "shorter");

    const SayingTable moved = std::move(table);
    EXPECT_EQ(moved.at(1), "shorter");
    EXPECT_EQ(moved.at(2), 'c' + std::string(299, 'a'));
}

} // namespace
} // namespace jestrel
