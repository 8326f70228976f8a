#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace jestrel
{

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A code point in UTF-8: up to four bytes and how many of them count.
struct Utf8Sequence {
    std::array<char, 4> bytes {};
    std::uint8_t length = 0;
};

constexpr Utf8Sequence utf8Of(char32_t code)
{
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (code < 0x80)
        return { { byte(code) }, 1 };
    if (code < 0x800)
        return { { byte(0xC0 | (code >> 6)), byte(0x80 | (code & 0x3F)) }, 2 };
    if (code < 0x10000)
        return { { byte(0xE0 | (code >> 12)), byte(0x80 | ((code >> 6) & 0x3F)), byte(0x80 | (code & 0x3F)) }, 3 };
    return { { byte(0xF0 | (code >> 18)), byte(0x80 | ((code >> 12) & 0x3F)), byte(0x80 | ((code >> 6) & 0x3F)),
               byte(0x80 | (code & 0x3F)) },
             4 };
}

bool isValidUtf8(std::string_view bytes);

// Sayings files come from hand editors in either encoding: a line that is valid UTF-8 is kept as
// it is, any other line is read as Windows-1252. The result is always UTF-8.
std::string decodeLine(std::string_view bytes);

// A line as a caption shows it: decoded, and with every control character, which would draw as
// nothing or, as NUL, end the caption early, made the replacement character; a tab a space.
std::string captionText(std::string_view bytes);

} // namespace jestrel
