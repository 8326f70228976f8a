#pragma once

#include <array>
#include <cstdint>

namespace jestrel
{

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The standard Windows 16-colour palette, in index order.
inline constexpr std::array<Rgb, 16> kWindowsPalette { {
    { 0, 0, 0 },
    { 128, 0, 0 },
    { 0, 128, 0 },
    { 128, 128, 0 },
    { 0, 0, 128 },
    { 128, 0, 128 },
    { 0, 128, 128 },
    { 128, 128, 128 },
    { 192, 192, 192 },
    { 255, 0, 0 },
    { 0, 255, 0 },
    { 255, 255, 0 },
    { 0, 0, 255 },
    { 255, 0, 255 },
    { 0, 255, 255 },
    { 255, 255, 255 },
} };

inline constexpr std::uint8_t kBlackIndex = 0;
inline constexpr std::uint8_t kRedIndex = 9;
inline constexpr std::uint8_t kYellowIndex = 11;

struct BullseyeRing {
    double outerRadius; // exclusive
    std::uint8_t paletteIndex;
};

// The rings from the centre out, radii in pixels of the 32 × 32 icon; a picture of another size
// scales them. Everything from the last radius on is transparent.
inline constexpr std::array<BullseyeRing, 8> kBullseyeRings { {
    { 4, kRedIndex },
    { 5, kBlackIndex },
    { 8, kYellowIndex },
    { 9, kBlackIndex },
    { 12, kRedIndex },
    { 13, kBlackIndex },
    { 15, kYellowIndex },
    { 16, kBlackIndex },
} };

} // namespace jestrel
