#include "platform/RandomSource.h"

#include <array>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

TEST(ClockRandom, StaysInTheUnitIntervalAndSpreadsEvenly)
{
    ClockRandom random;
    random.reseed();
    constexpr int kDraws = 100'000;
    std::array<int, 10> buckets {};
    for (int i = 0; i < kDraws; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ++buckets[static_cast<std::size_t>(r * 10)];
    }
    // Each tenth expects 10000 draws with a standard deviation of about 95; 1000 is over ten of them.
    for (const int count : buckets)
        EXPECT_NEAR(count, kDraws / 10, 1000);
}

TEST(ClockRandom, ReseedingStartsAFreshSequence)
{
    ClockRandom first;
    ClockRandom second;
    first.reseed();
    std::array<float, 4> a {};
    for (float &r : a)
        r = first.next();
    second.reseed();
    std::array<float, 4> b {};
    for (float &r : b)
        r = second.next();
    EXPECT_NE(a, b);
}

} // namespace
} // namespace jestrel
