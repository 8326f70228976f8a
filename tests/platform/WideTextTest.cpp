#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <string>

namespace jestrel
{
namespace
{

TEST(WideText, CarriesEveryCharacterAcrossAndBack)
{
    const std::pair<std::string, std::wstring> rows[] = {
        { "", L"" },
        { "ü€中", L"\u00FC\u20AC\u4E2D" },
        { "\xF0\x9F\x98\x80", L"\xD83D\xDE00" }, // beyond the first plane: a surrogate pair
    };
    for (const auto &[utf8, utf16] : rows) {
        EXPECT_EQ(toWide(utf8), utf16) << utf8;
        EXPECT_EQ(toUtf8(utf16), utf8) << utf8;
    }
    EXPECT_EQ(toWide("caf\xE9"), L"caf\uFFFD");
}

} // namespace
} // namespace jestrel
