#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace jestrel
{

struct DecodedIcon {
    int width;
    int height;
    std::vector<std::uint32_t> argb; // 0xAARRGGBB, not premultiplied, top row first
};

// Reads an icon file holding a single image of 4 bits per pixel with a transparency mask, the
// one format the program's own icon uses, so showing it needs no image plugin. Anything else,
// or data that is cut short or points outside itself, fails with a RuntimeFailure.
DecodedIcon decodeIco(std::span<const std::uint8_t> bytes);

} // namespace jestrel
