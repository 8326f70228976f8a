#include "platform/CenterOnScreen.h"
#include "platform/RuntimeFailure.h"

#include <gtest/gtest.h>
#include <limits>

namespace jestrel
{
namespace
{

TEST(CentredPosition, RoundsEachDifferenceThenHalvesTowardZero)
{
    // Screen, window, and the position that centres them.
    const std::tuple<float, float, std::int32_t> cases[] = {
        { 15360, 15360, 0 }, // as wide as the screen
        { 2001, 1000, 500 }, // 1001 / 2
        { 1000, 2001, -500 }, // -1001 / 2 truncates toward zero
        { 2000.5f, 1000, 500 }, // 1000.5 rounds to the even 1000
        { 2001.5f, 1000, 501 }, // 1001.5 rounds to the even 1002
        { 9000, 12000, -1500 }, // larger than the screen overhangs both edges equally
    };
    for (const auto &[screen, window, expected] : cases) {
        SCOPED_TRACE(testing::Message() << screen << " - " << window);
        const WindowPosition across = centredPosition(screen, 100, window, 100);
        const WindowPosition down = centredPosition(100, screen, 100, window);
        EXPECT_EQ(std::pair(across.left, across.top), std::pair(expected, 0));
        EXPECT_EQ(std::pair(down.left, down.top), std::pair(0, expected));
    }
}

TEST(CentredPosition, UnusableSizesAreTheFloatingPointFailure)
{
    constexpr float kInfinity = std::numeric_limits<float>::infinity();
    constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float kLargest = std::numeric_limits<float>::max();
    const float cases[][2]
        = { { kNaN, 100 }, { kInfinity, 100 }, { 100, kInfinity }, { kLargest, -kLargest }, { 5e9f, 0 } };
    for (const auto &[screen, window] : cases) {
        SCOPED_TRACE(testing::Message() << screen << " - " << window);
        try {
            centredPosition(screen, 100, window, 100);
            FAIL() << "no failure";
        } catch (const RuntimeFailure &failure) {
            EXPECT_EQ(failure.kind(), FailureKind::FloatingPoint);
        }
    }
}

} // namespace
} // namespace jestrel
