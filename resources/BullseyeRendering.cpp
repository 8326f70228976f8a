#include "resources/BullseyeRendering.h"

#include "resources/BullseyeRings.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace jestrel
{

namespace
{

constexpr std::size_t kRingCount = kBullseyeRings.size();

using Radii = std::array<double, kRingCount>;

// The rings' outer radii, in pixels of a picture size pixels wide.
Radii ringRadii(int size)
{
    const double scale = static_cast<double>(size) / kIconSide;
    Radii widths {};
    double inner = 0;
    for (std::size_t i = 0; i < kRingCount; ++i) {
        widths[i] = (kBullseyeRings[i].outerRadius - inner) * scale;
        inner = kBullseyeRings[i].outerRadius;
    }

    // A ring thinner than a pixel breaks up into dots. At such sizes every ring gets whole
    // pixels instead, at least one, and rounding's largest errors are undone until the rings
    // fill the picture's radius again.
    if (std::ranges::any_of(widths, [](double width) { return width < 1; })) {
        std::array<int, kRingCount> whole {};
        std::ranges::transform(widths, whole.begin(),
                               [](double width) { return std::max(1, static_cast<int>(std::lround(width))); });
        const auto mostRoundedUp = [&] {
            std::size_t chosen = kRingCount;
            for (std::size_t i = 0; i < kRingCount; ++i) {
                if (whole[i] > 1 && (chosen == kRingCount || whole[i] - widths[i] > whole[chosen] - widths[chosen]))
                    chosen = i;
            }
            return chosen;
        };
        const auto mostRoundedDown = [&] {
            std::size_t chosen = 0;
            for (std::size_t i = 1; i < kRingCount; ++i) {
                if (widths[i] - whole[i] > widths[chosen] - whole[chosen])
                    chosen = i;
            }
            return chosen;
        };
        const int target = size / 2;
        int total = std::accumulate(whole.begin(), whole.end(), 0);
        while (total > target) {
            const std::size_t ring = mostRoundedUp();
            if (ring == kRingCount)
                break; // below 16 pixels not every ring can keep one; the outer ones are cut off
            --whole[ring];
            --total;
        }
        for (; total < target; ++total)
            ++whole[mostRoundedDown()];
        std::ranges::copy(whole, widths.begin());
    }

    Radii radii {};
    std::partial_sum(widths.begin(), widths.end(), radii.begin());
    return radii;
}

} // namespace

std::vector<std::uint8_t> bullseyePaletteIndices(int size)
{
    // The window icon draws every size at start-up, so this stays cheap. In coordinates doubled
    // about the centre a pixel centre lies inside a ring of radius r where dx² + dy² < (2r)², both
    // sides exact, and each quarter of the picture mirrors the top-left one.
    const Radii radii = ringRadii(size);
    std::array<double, kRingCount> doubledSquared {};
    std::ranges::transform(radii, doubledSquared.begin(), [](double radius) { return 4 * radius * radius; });

    const auto side = static_cast<std::size_t>(size);
    std::vector<std::uint8_t> indices(side * side, kTransparentPixel);
    const std::size_t half = (side + 1) / 2;
    for (std::size_t y = 0; y < half; ++y) {
        const auto top = indices.begin() + static_cast<std::ptrdiff_t>(y * side);
        const int dy = 2 * static_cast<int>(y) + 1 - size;
        for (std::size_t x = 0; x < half; ++x) {
            const int dx = 2 * static_cast<int>(x) + 1 - size;
            const double distanceSquared = dx * dx + dy * dy;
            const auto ring
                = std::ranges::find_if(doubledSquared, [&](double limit) { return distanceSquared < limit; });
            if (ring != doubledSquared.end()) {
                const std::uint8_t index
                    = kBullseyeRings[static_cast<std::size_t>(ring - doubledSquared.begin())].paletteIndex;
                top[static_cast<std::ptrdiff_t>(x)] = index;
                top[static_cast<std::ptrdiff_t>(side - 1 - x)] = index;
            }
        }
        std::copy(top, top + static_cast<std::ptrdiff_t>(side),
                  indices.begin() + static_cast<std::ptrdiff_t>((side - 1 - y) * side));
    }
    return indices;
}

std::vector<std::uint32_t> renderBullseye(int size)
{
    // Entries past the palette, kTransparentPixel among them, stay 0: transparent.
    std::array<std::uint32_t, 256> colours {};
    for (std::size_t i = 0; i < kWindowsPalette.size(); ++i) {
        const Rgb &colour = kWindowsPalette[i];
        colours[i] = 0xFF000000u | static_cast<std::uint32_t>(colour.red) << 16
            | static_cast<std::uint32_t>(colour.green) << 8 | colour.blue;
    }
    const std::vector<std::uint8_t> indices = bullseyePaletteIndices(size);
    std::vector<std::uint32_t> pixels(indices.size());
    std::ranges::transform(indices, pixels.begin(), [&](std::uint8_t index) { return colours[index]; });
    return pixels;
}

} // namespace jestrel
