#include "resources/IconDecoder.h"
#include "platform/RuntimeFailure.h"
#include "resources/BullseyeIcon.h"

#include <cstdint>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kImage = 22;
constexpr std::size_t kColourBits = kImage + 40 + 64;
constexpr std::size_t kMask = kColourBits + 512;

void setU16(Bytes &bytes, std::size_t offset, std::uint16_t value)
{
    bytes.at(offset) = static_cast<std::uint8_t>(value);
    bytes.at(offset + 1) = static_cast<std::uint8_t>(value >> 8);
}

void setU32(Bytes &bytes, std::size_t offset, std::uint32_t value)
{
    setU16(bytes, offset, static_cast<std::uint16_t>(value));
    setU16(bytes, offset + 2, static_cast<std::uint16_t>(value >> 16));
}

std::string failureOf(const Bytes &bytes)
{
    try {
        decodeIco(bytes);
    } catch (const RuntimeFailure &failure) {
        return failure.what();
    }
    return "no failure";
}

TEST(DecodeIco, ReadsRowsBottomUpWithTheLeftPixelHigh)
{
    // The first bytes of colour bits and mask belong to the bottom row, which the bullseye leaves
    // transparent at its left end; show a red and a yellow pixel there.
    Bytes ico = bullseyeIco();
    ico[kColourBits] = 0x9B;
    ico[kMask] = 0x3F;
    const DecodedIcon icon = decodeIco(ico);
    EXPECT_EQ(icon.argb[31 * 32 + 0], 0xFFFF0000);
    EXPECT_EQ(icon.argb[31 * 32 + 1], 0xFFFFFF00);
    EXPECT_EQ(icon.argb[31 * 32 + 2], 0u);
    EXPECT_EQ(icon.argb[0], 0u);
    EXPECT_EQ(icon.argb[1], 0u);
}

TEST(DecodeIco, RejectsWhatItCannotRead)
{
    const struct {
        const char *name;
        std::function<void(Bytes &)> change;
        const char *fault;
    } cases[] = {
        { "empty", [](Bytes &b) { b.clear(); }, "it is 0 bytes long, too short for an icon file" },
        { "cursor", [](Bytes &b) { setU16(b, 2, 2); }, "it is not an icon file" },
        { "two images", [](Bytes &b) { setU16(b, 4, 2); }, "it holds 2 images instead of one" },
        { "image one byte too long", [](Bytes &b) { setU32(b, 14, 745); },
          "its image of 745 bytes at offset 22 reaches past the end of its 766 bytes" },
        { "offset far past the end", [](Bytes &b) { setU32(b, 18, 0xFFFFFFF0); },
          "its image of 744 bytes at offset 4294967280 reaches past the end of its 766 bytes" },
        { "larger bitmap header", [](Bytes &b) { setU32(b, kImage, 108); }, "its image is not a plain bitmap" },
        { "directory disagrees", [](Bytes &b) { b[7] = 16; },
          "its bitmap does not have the size its directory gives, 32 × 16 pixels with a mask" },
        { "rows top-down", [](Bytes &b) { setU32(b, kImage + 8, static_cast<std::uint32_t>(-64)); },
          "its bitmap does not have the size its directory gives, 32 × 32 pixels with a mask" },
        { "two planes", [](Bytes &b) { setU16(b, kImage + 12, 2); }, "its bitmap has 2 colour planes instead of 1" },
        { "eight bits", [](Bytes &b) { setU16(b, kImage + 14, 8); }, "it has 8 bits per pixel instead of 4" },
        { "compressed", [](Bytes &b) { setU32(b, kImage + 16, 2); }, "its bitmap is compressed" },
        { "palette too large", [](Bytes &b) { setU32(b, kImage + 32, 17); },
          "its palette has 17 colours, more than 4 bits can choose from" },
        { "mask cut short",
          [](Bytes &b) {
              b.resize(700);
              setU32(b, 14, 678);
          },
          "its bitmap needs 744 bytes but has only 678" },
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Bytes ico = bullseyeIco();
        c.change(ico);
        EXPECT_EQ(failureOf(ico), std::string("Cannot read the icon: ") + c.fault + ".");
    }
}

TEST(DecodeIco, RejectsColoursBeyondAShortPalette)
{
    Bytes ico = bullseyeIco();
    setU32(ico, kImage + 32, 2);
    EXPECT_THAT(failureOf(ico), testing::HasSubstr(" of a palette of 2."));
}

TEST(DecodeIco, FailsCleanlyWhereverTheDataEnds)
{
    const Bytes whole = bullseyeIco();
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        Bytes ico(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        // Keep the directory consistent so that the bitmap's own checks are reached too.
        if (size >= kImage)
            setU32(ico, 14, static_cast<std::uint32_t>(size - kImage));
        EXPECT_THROW(decodeIco(ico), RuntimeFailure);
    }
}

} // namespace
} // namespace jestrel
