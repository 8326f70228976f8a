#include "sayings/Draw.h"
#include "platform/RandomSource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace jestrel
{
namespace
{

constexpr float kLargestBelowOne = 0x1.fffffep-1f;

TEST(PickIndex, CoversExactlyTheFilledSlots)
{
    EXPECT_EQ(pickIndex(2, 0.0f), 0);
    EXPECT_EQ(pickIndex(2, kLargestBelowOne), 0);
    EXPECT_EQ(pickIndex(1002, 0.0f), 0);
    EXPECT_EQ(pickIndex(1002, kLargestBelowOne), 1000);
    EXPECT_EQ(pickIndex(5, 0.25f), 1);
    EXPECT_EQ(pickIndex(5, 0.2499999f), 0);
}

TEST(PickIndex, GivesEverySayingTheSameShare)
{
    // Stepping the unit evenly through [0, 1) must land on each of the 7 sayings equally often.
    constexpr int kCount = 8;
    constexpr int kSteps = 7 * 1024;
    std::vector<int> hits(kCount - 1);
    for (int i = 0; i < kSteps; ++i)
        ++hits[static_cast<std::size_t>(pickIndex(kCount, static_cast<float>(i) / kSteps))];
    for (const int h : hits)
        EXPECT_EQ(h, 1024);
}

TEST(PickIndex, RealGeneratorReachesEverySaying)
{
    ClockRandom random;
    random.reseed();
    std::vector<int> hits(3);
    for (int i = 0; i < 30'000; ++i)
        ++hits[static_cast<std::size_t>(pickIndex(4, random.next()))];
    // 10000 expected in each, standard deviation about 82.
    for (const int h : hits)
        EXPECT_NEAR(h, 10'000, 1000);
}

} // namespace
} // namespace jestrel
