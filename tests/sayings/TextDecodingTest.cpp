#include "sayings/TextDecoding.h"

#include <gtest/gtest.h>

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
