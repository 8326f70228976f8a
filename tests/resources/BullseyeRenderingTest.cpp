#include "resources/BullseyeRendering.h"
#include "resources/BullseyeIcon.h"
#include "support/IconPixels.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

constexpr std::uint32_t kTransparent = 0x00000000;
constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kYellow = 0xFFFFFF00;

TEST(RenderBullseye, At32PixelsIsTheIconFileImage)
{
    EXPECT_EQ(renderBullseye(32), test::iconPixels(bullseyeIco()));
}

// Walking from the centre to the right edge crosses every ring; each run is one ring's width.
TEST(RenderBullseye, EveryRingKeepsWholePixelsAtEverySize)
{
    struct Case {
        int size;
        std::vector<int> widths; // red, black, yellow, black, red, black, yellow, black
    };
    const std::vector<Case> cases {
        { 16, { 1, 1, 1, 1, 1, 1, 1, 1 } }, // too small to scale: one pixel a ring
        { 22, { 2, 1, 2, 1, 2, 1, 1, 1 } },
        { 24, { 3, 1, 2, 1, 2, 1, 1, 1 } },
        { 32, { 4, 1, 3, 1, 3, 1, 2, 1 } },
        { 48, { 6, 1, 5, 1, 5, 1, 3, 2 } }, // scaled by 1.5, sampled at pixel centres
        { 64, { 8, 2, 6, 2, 6, 2, 4, 2 } },
        { 128, { 16, 4, 12, 4, 12, 4, 8, 4 } },
        { 256, { 32, 8, 24, 8, 24, 8, 16, 8 } },
    };
    const std::vector<std::uint32_t> colours { kRed, kBlack, kYellow, kBlack, kRed, kBlack, kYellow, kBlack };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        const std::vector<std::uint32_t> pixels = renderBullseye(c.size);
        ASSERT_EQ(pixels.size(), static_cast<std::size_t>(c.size * c.size));
        std::vector<std::uint32_t> runColours;
        std::vector<int> runWidths;
        const auto row = static_cast<std::size_t>(c.size / 2 * c.size);
        for (auto x = static_cast<std::size_t>(c.size / 2); x < static_cast<std::size_t>(c.size); ++x) {
            if (runColours.empty() || runColours.back() != pixels[row + x]) {
                runColours.push_back(pixels[row + x]);
                runWidths.push_back(0);
            }
            ++runWidths.back();
        }
        EXPECT_EQ(runColours, colours);
        EXPECT_EQ(runWidths, c.widths);
    }
}

TEST(RenderBullseye, EverySizeHasABlackRimInsideTheTransparentEdge)
{
    for (const int size : kBullseyeSizes) {
        SCOPED_TRACE(size);
        const std::vector<std::uint32_t> pixels = renderBullseye(size);
        const auto at = [&](int x, int y) {
            const bool inside = x >= 0 && y >= 0 && x < size && y < size;
            return inside ? pixels[static_cast<std::size_t>(y * size + x)] : kTransparent;
        };
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const std::uint32_t pixel = at(x, y);
                ASSERT_TRUE(pixel == kTransparent || pixel == kBlack || pixel == kRed || pixel == kYellow)
                    << "pixel " << x << ", " << y << " is 0x" << std::hex << pixel;
                const bool edge = at(x - 1, y) == kTransparent || at(x + 1, y) == kTransparent
                    || at(x, y - 1) == kTransparent || at(x, y + 1) == kTransparent;
                if (pixel != kTransparent && edge) {
                    ASSERT_EQ(pixel, kBlack) << "pixel " << x << ", " << y << " at the edge";
                }
            }
        }
    }
}

// Paints the drawing's circles in document order, as an SVG renderer does, sampling each pixel of
// a 32 × 32 picture at its centre.
TEST(BullseyeSvg, PaintsTheIconsPictureAt32Units)
{
    const std::string svg = bullseyeSvg();
    EXPECT_TRUE(svg.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg "));
    EXPECT_NE(svg.find(R"(viewBox="0 0 32 32")"), std::string::npos);
    EXPECT_TRUE(svg.ends_with("</svg>\n"));

    struct Circle {
        double cx, cy, r;
        std::uint32_t argb;
    };
    std::vector<Circle> circles;
    std::istringstream lines(svg);
    for (std::string line; std::getline(lines, line);) {
        Circle c {};
        unsigned rgb = 0;
        if (std::sscanf(line.c_str(), " <circle cx=\"%lf\" cy=\"%lf\" r=\"%lf\" fill=\"#%6x\"/>", &c.cx, &c.cy, &c.r,
                        &rgb)
            == 4) {
            c.argb = 0xFF000000u | rgb;
            circles.push_back(c);
        }
    }
    ASSERT_EQ(circles.size(), 8u);

    std::vector<std::uint32_t> painted(32 * 32, kTransparent);
    for (const Circle &c : circles) {
        for (std::size_t i = 0; i < painted.size(); ++i) {
            const double x = static_cast<double>(i % 32) + 0.5;
            const double y = static_cast<double>(i / 32) + 0.5;
            if (std::hypot(x - c.cx, y - c.cy) < c.r)
                painted[i] = c.argb;
        }
    }
    EXPECT_EQ(painted, test::iconPixels(bullseyeIco()));
}

} // namespace
} // namespace jestrel
