#include "resources/BullseyeIcon.h"

#include "resources/BullseyeRendering.h"
#include "resources/BullseyeRings.h"
#include "resources/LittleEndian.h"

#include <cstddef>

namespace jestrel
{

namespace
{

constexpr std::uint16_t kBitsPerPixel = 4;

constexpr std::size_t kIconDirBytes = 6;
constexpr std::size_t kIconDirEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kPaletteBytes = kWindowsPalette.size() * 4;
// Both rows happen to be whole multiples of the 4 bytes every bitmap row is padded to.
constexpr std::size_t kColourRowBytes = kIconSide * kBitsPerPixel / 8;
constexpr std::size_t kMaskRowBytes = kIconSide / 8;
constexpr std::size_t kColourBitsBytes = kColourRowBytes * kIconSide;
constexpr std::size_t kMaskBytes = kMaskRowBytes * kIconSide;
constexpr std::size_t kImageBytes = kInfoHeaderBytes + kPaletteBytes + kColourBitsBytes + kMaskBytes;
constexpr std::size_t kFileBytes = kIconDirBytes + kIconDirEntryBytes + kImageBytes;
static_assert(kImageBytes == 744);
static_assert(kFileBytes == 766);

} // namespace

std::vector<std::uint8_t> bullseyeIco()
{
    std::vector<std::uint8_t> out;
    out.reserve(kFileBytes);

    putU16(out, 0); // reserved
    putU16(out, 1); // icon, not cursor
    putU16(out, 1); // image count

    out.push_back(kIconSide);
    out.push_back(kIconSide);
    out.push_back(static_cast<std::uint8_t>(kWindowsPalette.size()));
    out.push_back(0); // reserved
    putU16(out, 1); // planes
    putU16(out, kBitsPerPixel);
    putU32(out, kImageBytes);
    putU32(out, kIconDirBytes + kIconDirEntryBytes);

    putU32(out, kInfoHeaderBytes);
    putU32(out, kIconSide);
    putU32(out, 2 * kIconSide); // an icon bitmap counts the colour rows and the mask rows
    putU16(out, 1); // planes
    putU16(out, kBitsPerPixel);
    putU32(out, 0); // uncompressed
    putU32(out, kColourBitsBytes + kMaskBytes);
    putU32(out, 0); // horizontal resolution
    putU32(out, 0); // vertical resolution
    putU32(out, 0); // colours used: all of the palette
    putU32(out, 0); // important colours: all

    for (const Rgb &colour : kWindowsPalette) {
        out.push_back(colour.blue);
        out.push_back(colour.green);
        out.push_back(colour.red);
        out.push_back(0);
    }

    const std::vector<std::uint8_t> indices = bullseyePaletteIndices(kIconSide);
    const auto indexAt = [&](int x, int y) { return indices[static_cast<std::size_t>(y * kIconSide + x)]; };
    const auto colourAt = [&](int x, int y) { return indexAt(x, y) == kTransparentPixel ? 0 : indexAt(x, y); };

    // Bitmap rows run from the bottom of the picture to the top; the leftmost pixel takes the
    // high bits of its byte.
    for (int y = kIconSide - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSide; x += 2)
            out.push_back(static_cast<std::uint8_t>(colourAt(x, y) << 4 | colourAt(x + 1, y)));
    }
    for (int y = kIconSide - 1; y >= 0; --y) {
        for (int x = 0; x < kIconSide; x += 8) {
            std::uint8_t bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (indexAt(x + bit, y) == kTransparentPixel)
                    bits |= static_cast<std::uint8_t>(0x80 >> bit);
            }
            out.push_back(bits);
        }
    }
    return out;
}

} // namespace jestrel
