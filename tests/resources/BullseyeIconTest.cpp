#include "resources/BullseyeIcon.h"
#include "resources/LittleEndian.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <string_view>
#include <vector>

namespace jestrel
{
namespace
{

// K black, R red, Y yellow, . transparent; top row first.
constexpr std::string_view kPicture = R"(
............KKKKKKKK............
.........KKKYYYYYYYYKKK.........
.......KKYYYYYYYYYYYYYYKK.......
......KKYYYYKKKKKKKKYYYYKK......
.....KYYYYKKKRRRRRRKKKYYYYK.....
....KYYYKKRRRRRRRRRRRRKKYYYK....
...KYYYKKRRRRRRRRRRRRRRKKYYYK...
..KKYYKKRRRRRKKKKKKRRRRRKKYYKK..
..KYYKKRRRRKKYYYYYYKKRRRRKKYYK..
.KYYYKRRRRKYYYYYYYYYYKRRRRKYYYK.
.KYYKRRRRKYYYYYYYYYYYYKRRRRKYYK.
.KYYKRRRKYYYYYKKKKYYYYYKRRRKYYK.
KYYKKRRRKYYYKKRRRRKKYYYKRRRKKYYK
KYYKRRRKYYYYKRRRRRRKYYYYKRRRKYYK
KYYKRRRKYYYKRRRRRRRRKYYYKRRRKYYK
KYYKRRRKYYYKRRRRRRRRKYYYKRRRKYYK
KYYKRRRKYYYKRRRRRRRRKYYYKRRRKYYK
KYYKRRRKYYYKRRRRRRRRKYYYKRRRKYYK
KYYKRRRKYYYYKRRRRRRKYYYYKRRRKYYK
KYYKKRRRKYYYKKRRRRKKYYYKRRRKKYYK
.KYYKRRRKYYYYYKKKKYYYYYKRRRKYYK.
.KYYKRRRRKYYYYYYYYYYYYKRRRRKYYK.
.KYYYKRRRRKYYYYYYYYYYKRRRRKYYYK.
..KYYKKRRRRKKYYYYYYKKRRRRKKYYK..
..KKYYKKRRRRRKKKKKKRRRRRKKYYKK..
...KYYYKKRRRRRRRRRRRRRRKKYYYK...
....KYYYKKRRRRRRRRRRRRKKYYYK....
.....KYYYYKKKRRRRRRKKKYYYYK.....
......KKYYYYKKKKKKKKYYYYKK......
.......KKYYYYYYYYYYYYYYKK.......
.........KKKYYYYYYYYKKK.........
............KKKKKKKK............
)";

constexpr std::size_t kImage = 22;
constexpr std::size_t kPalette = kImage + 40;
constexpr std::size_t kColourBits = kPalette + 64;
constexpr std::size_t kMask = kColourBits + 512;

// A picture laid out like kPicture with every pixel still '?'.
std::string blankPicture()
{
    std::string picture = "\n";
    for (int y = 0; y < 32; ++y)
        picture += std::string(32, '?') + '\n';
    return picture;
}

char &pixelOf(std::string &picture, std::size_t x, std::size_t y)
{
    return picture[1 + y * 33 + x];
}

// Reads the pixels straight from the file the way an icon reader does: rows bottom-up, two
// pixels a byte with the left one high, one mask bit a pixel with the left one high.
std::string pictureFromBits(const std::vector<std::uint8_t> &ico)
{
    std::string picture = blankPicture();
    for (std::size_t row = 0; row < 32; ++row) {
        for (std::size_t x = 0; x < 32; ++x) {
            const std::uint8_t pair = ico.at(kColourBits + row * 16 + x / 2);
            const int index = x % 2 == 0 ? pair >> 4 : pair & 0x0F;
            const bool transparent = ico.at(kMask + row * 4 + x / 8) & (0x80 >> x % 8);
            char &pixel = pixelOf(picture, x, 31 - row);
            if (transparent)
                pixel = index == 0 ? '.' : '!';
            else
                pixel = index == 0 ? 'K' : index == 9 ? 'R' : index == 11 ? 'Y' : '?';
        }
    }
    return picture;
}

TEST(BullseyeIcon, IsOne32By32FourBitImageWithMask)
{
    const std::vector<std::uint8_t> ico = bullseyeIco();
    ASSERT_EQ(ico.size(), 766u);

    EXPECT_EQ(getU16(ico, 0), 0);
    EXPECT_EQ(getU16(ico, 2), 1); // icon
    EXPECT_EQ(getU16(ico, 4), 1); // image count

    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(ico[8], 16); // colour count
    EXPECT_EQ(ico[9], 0);
    EXPECT_EQ(getU16(ico, 10), 1); // planes
    EXPECT_EQ(getU16(ico, 12), 4); // bits per pixel
    EXPECT_EQ(getU32(ico, 14), 744u);
    EXPECT_EQ(getU32(ico, 18), kImage);

    EXPECT_EQ(getU32(ico, kImage), 40u);
    EXPECT_EQ(getU32(ico, kImage + 4), 32u);
    EXPECT_EQ(getU32(ico, kImage + 8), 64u); // colour rows and mask rows, bottom-up
    EXPECT_EQ(getU16(ico, kImage + 12), 1);
    EXPECT_EQ(getU16(ico, kImage + 14), 4);
    EXPECT_EQ(getU32(ico, kImage + 16), 0u); // uncompressed
    EXPECT_EQ(getU32(ico, kImage + 32), 0u); // the whole palette is used
}

TEST(BullseyeIcon, CarriesTheWindowsPaletteInIndexOrder)
{
    // Red, green, blue of indices 0 to 15; the file stores blue, green, red and a zero byte.
    const std::string expected = "0,0,0 128,0,0 0,128,0 128,128,0 0,0,128 128,0,128 0,128,128 128,128,128 "
                                 "192,192,192 255,0,0 0,255,0 255,255,0 0,0,255 255,0,255 0,255,255 255,255,255";
    const std::vector<std::uint8_t> ico = bullseyeIco();
    std::string palette;
    for (std::size_t entry = kPalette; entry < kColourBits; entry += 4) {
        if (!palette.empty())
            palette += ' ';
        palette
            += std::to_string(ico[entry + 2]) + "," + std::to_string(ico[entry + 1]) + "," + std::to_string(ico[entry]);
        EXPECT_EQ(ico[entry + 3], 0) << "palette entry at " << entry;
    }
    EXPECT_EQ(palette, expected);
}

TEST(BullseyeIcon, DrawsTheRingsWithBlackBetweenThem)
{
    std::string picture = pictureFromBits(bullseyeIco());
    EXPECT_EQ(picture, kPicture);

    for (std::size_t y = 15; y <= 16; ++y) {
        for (std::size_t x = 15; x <= 16; ++x)
            EXPECT_EQ(pixelOf(picture, x, y), 'R') << "centre pixel " << x << ", " << y;
    }
    for (std::size_t y = 0; y < 32; ++y) {
        for (std::size_t x = 0; x < 32; ++x) {
            if (std::hypot(static_cast<double>(x) + 0.5 - 16, static_cast<double>(y) + 0.5 - 16) >= 16) {
                EXPECT_EQ(pixelOf(picture, x, y), '.') << "pixel " << x << ", " << y << " beyond the rim";
            }
        }
    }
}

} // namespace
} // namespace jestrel
