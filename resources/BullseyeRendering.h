#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace jestrel
{

// The icon file's side, in pixels, which the ring table is drawn to.
inline constexpr int kIconSide = 32;

// The sizes, in pixels, the desktop gets the bullseye in besides the scalable drawing.
inline constexpr std::array<int, 8> kBullseyeSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

// Marks a pixel outside the rim in bullseyePaletteIndices().
inline constexpr std::uint8_t kTransparentPixel = 0xFF;

// The palette index of every pixel of a bullseye size pixels wide, top row first, or
// kTransparentPixel. The ring table's radii scale with the size and each pixel takes the colour
// at its centre, so every size stays sharp and size 32 is exactly the icon file's picture.
std::vector<std::uint8_t> bullseyePaletteIndices(int size);

// The bullseye size pixels wide as 0xAARRGGBB pixels, top row first; transparent pixels are 0.
std::vector<std::uint32_t> renderBullseye(int size);

// The bullseye as an SVG drawing of 32 × 32 units: one filled circle per ring of the table.
std::string bullseyeSvg();

} // namespace jestrel
