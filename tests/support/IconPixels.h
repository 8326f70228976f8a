#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace jestrel::test
{

// The pixels of an icon file laid out as the program's own, as 0xAARRGGBB, top row first: one
// 32 × 32 image at offset 22, a 40-byte header, a 16-colour palette, then colour rows and mask
// rows, both bottom-up, the left pixel high. A file cut short fails through at().
inline std::vector<std::uint32_t> iconPixels(const std::vector<std::uint8_t> &ico)
{
    constexpr std::size_t kSide = 32, kPalette = 22 + 40, kColourBits = kPalette + 64, kMask = kColourBits + 512;
    std::vector<std::uint32_t> argb;
    for (std::size_t y = 0; y < kSide; ++y) {
        const std::size_t row = kSide - 1 - y;
        for (std::size_t x = 0; x < kSide; ++x) {
            if (ico.at(kMask + row * 4 + x / 8) & (0x80 >> x % 8)) {
                argb.push_back(0);
                continue;
            }
            const std::uint8_t pair = ico.at(kColourBits + row * 16 + x / 2);
            const std::size_t entry = kPalette + 4 * static_cast<std::size_t>(x % 2 == 0 ? pair >> 4 : pair & 0x0F);
            const std::uint32_t red = ico.at(entry + 2), green = ico.at(entry + 1), blue = ico.at(entry);
            argb.push_back(0xFF000000u | red << 16 | green << 8 | blue);
        }
    }
    return argb;
}

} // namespace jestrel::test
