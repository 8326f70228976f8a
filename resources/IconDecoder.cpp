#include "resources/IconDecoder.h"

#include "platform/RuntimeFailure.h"
#include "resources/LittleEndian.h"

#include <cstddef>
#include <string>

namespace jestrel
{

namespace
{

constexpr std::size_t kIconDirBytes = 6;
constexpr std::size_t kIconDirEntryBytes = 16;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kMaxSide = 256;
constexpr std::uint32_t kPaletteSize = 16;

[[noreturn]] void fail(const std::string &fault)
{
    throw RuntimeFailure(FailureKind::FileNotReadable, "Cannot read the icon: " + fault + ".");
}

std::string number(std::size_t value)
{
    return std::to_string(value);
}

// Every bitmap row is padded to whole 4-byte words.
std::size_t rowBytes(std::uint32_t width, std::uint32_t bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

} // namespace

DecodedIcon decodeIco(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < kIconDirBytes + kIconDirEntryBytes)
        fail("it is " + number(bytes.size()) + " bytes long, too short for an icon file");
    if (getU16(bytes, 0) != 0 || getU16(bytes, 2) != 1)
        fail("it is not an icon file");
    if (getU16(bytes, 4) != 1)
        fail("it holds " + number(getU16(bytes, 4)) + " images instead of one");

    // A width or height of 0 in the directory stands for 256.
    const std::uint32_t listedWidth = bytes[6] == 0 ? kMaxSide : bytes[6];
    const std::uint32_t listedHeight = bytes[7] == 0 ? kMaxSide : bytes[7];
    const std::uint32_t imageBytes = getU32(bytes, 14);
    const std::uint32_t imageOffset = getU32(bytes, 18);
    if (imageOffset > bytes.size() || imageBytes > bytes.size() - imageOffset)
        fail("its image of " + number(imageBytes) + " bytes at offset " + number(imageOffset)
             + " reaches past the end of its " + number(bytes.size()) + " bytes");
    const std::span<const std::uint8_t> image = bytes.subspan(imageOffset, imageBytes);

    if (image.size() < kInfoHeaderBytes || getU32(image, 0) != kInfoHeaderBytes)
        fail("its image is not a plain bitmap");
    const std::uint32_t width = getU32(image, 4);
    const std::uint32_t height = getU32(image, 8) / 2;
    if (width != listedWidth || getU32(image, 8) != 2 * listedHeight)
        fail("its bitmap does not have the size its directory gives, " + number(listedWidth) + " × "
             + number(listedHeight) + " pixels with a mask");
    if (getU16(image, 12) != 1)
        fail("its bitmap has " + number(getU16(image, 12)) + " colour planes instead of 1");
    if (getU16(image, 14) != 4)
        fail("it has " + number(getU16(image, 14)) + " bits per pixel instead of 4");
    if (getU32(image, 16) != 0)
        fail("its bitmap is compressed");
    const std::uint32_t paletteSize = getU32(image, 32) == 0 ? kPaletteSize : getU32(image, 32);
    if (paletteSize > kPaletteSize)
        fail("its palette has " + number(paletteSize) + " colours, more than 4 bits can choose from");

    const std::size_t colourRowBytes = rowBytes(width, 4);
    const std::size_t maskRowBytes = rowBytes(width, 1);
    const std::size_t colourOffset = kInfoHeaderBytes + 4 * paletteSize;
    const std::size_t maskOffset = colourOffset + colourRowBytes * height;
    const std::size_t needed = maskOffset + maskRowBytes * height;
    if (image.size() < needed)
        fail("its bitmap needs " + number(needed) + " bytes but has only " + number(image.size()));

    DecodedIcon icon { static_cast<int>(width), static_cast<int>(height), {} };
    icon.argb.reserve(std::size_t { width } * height);
    // The bitmap's rows run from the bottom of the picture to the top.
    for (std::size_t y = 0; y < height; ++y) {
        const std::size_t row = height - 1 - y;
        const auto colours = image.subspan(colourOffset + row * colourRowBytes, colourRowBytes);
        const auto mask = image.subspan(maskOffset + row * maskRowBytes, maskRowBytes);
        for (std::size_t x = 0; x < width; ++x) {
            if (mask[x / 8] & (0x80 >> x % 8)) {
                icon.argb.push_back(0);
                continue;
            }
            const std::uint32_t index = x % 2 == 0 ? colours[x / 2] >> 4 : colours[x / 2] & 0x0F;
            if (index >= paletteSize)
                fail("it uses colour " + number(index) + " of a palette of " + number(paletteSize));
            const std::size_t entry = kInfoHeaderBytes + 4 * index;
            icon.argb.push_back(0xFF000000u | std::uint32_t { image[entry + 2] } << 16
                                | std::uint32_t { image[entry + 1] } << 8 | image[entry]);
        }
    }
    return icon;
}

} // namespace jestrel
