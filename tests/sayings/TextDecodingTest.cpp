#include "sayings/TextDecoding.h"

#include <gtest/gtest.h>
#include <string>

namespace jestrel
{
namespace
{

TEST(DecodeLine, KeepsValidUtf8)
{
    EXPECT_EQ(decodeLine("plain"), "plain");
    EXPECT_EQ(decodeLine("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"), "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
    EXPECT_EQ(decodeLine(std::string_view("a\0b", 3)), std::string_view("a\0b", 3));
}

TEST(DecodeLine, ReadsAnythingElseAsWindows1252)
{
    EXPECT_EQ(decodeLine("caf\xE9"), "caf\xC3\xA9");
    EXPECT_EQ(decodeLine("\x80 \x93quoted\x94 \x85"), "\xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\xA6");
    EXPECT_EQ(decodeLine("\x81\x9F\xFF"), "\xC2\x81\xC5\xB8\xC3\xBF");
}

// Long runs of ASCII are checked many bytes at a time; a byte beyond ASCII must be found wherever
// it falls in such a run, and the text around it must come through whole.
TEST(DecodeLine, FindsEveryByteBeyondAsciiWhereverItStands)
{
    for (std::size_t before = 0; before <= 40; ++before) {
        for (const std::size_t after : { 0u, 1u, 7u, 8u, 33u }) {
            SCOPED_TRACE(testing::Message() << before << " before, " << after << " after");
            const std::string head(before, 'a');
            const std::string tail(after, 'z');
            EXPECT_EQ(decodeLine(head + "\xE9" + tail), head + "\xC3\xA9" + tail);
            EXPECT_EQ(decodeLine(head + "\x93" + tail + "\x94"), head + "\xE2\x80\x9C" + tail + "\xE2\x80\x9D");
            EXPECT_TRUE(isValidUtf8(head + "\xF0\x9F\x98\x80" + tail));
            EXPECT_FALSE(isValidUtf8(head + "\xC3" + tail));
            EXPECT_FALSE(isValidUtf8(head + "\xE2\x82" + tail));
        }
    }
}

TEST(DecodeLine, ReadsEveryHighByteAsItsWindows1252Character)
{
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
        SCOPED_TRACE(byte);
        const std::string alone = decodeLine(std::string(1, static_cast<char>(byte)));
        EXPECT_TRUE(isValidUtf8(alone));
        const std::string among = std::string(9, ' ') + static_cast<char>(byte) + "\xFF" + std::string(30, '.');
        EXPECT_EQ(decodeLine(among), std::string(9, ' ') + alone + "\xC3\xBF" + std::string(30, '.'));
    }
}

TEST(CaptionText, ShowsEveryControlCharacter)
{
    EXPECT_EQ(captionText(std::string_view("a\0b\x01"
                                           "c\td\x7F",
                                           8)),
              "a\uFFFDb\uFFFDc d\uFFFD");
    // C1 controls, from UTF-8 or from the bytes Windows-1252 leaves undefined.
    EXPECT_EQ(captionText("\xC2\x85\xC2\xA0\xC3\x85"), "\uFFFD\u00A0\u00C5");
    EXPECT_EQ(captionText("\x81\xE9"), "\uFFFD\u00E9");
}

TEST(IsValidUtf8, RejectsMalformedSequences)
{
    for (const std::string_view bad : { "\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3",
                                        "\xE2\x82", "\x80", "\xF5\x80\x80\x80" }) {
        SCOPED_TRACE(testing::PrintToString(bad));
        EXPECT_FALSE(isValidUtf8(bad));
    }
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
}

} // namespace
} // namespace jestrel
