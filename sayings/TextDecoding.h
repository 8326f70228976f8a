#pragma once

#include <string>
#include <string_view>

namespace jestrel
{

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

bool isValidUtf8(std::string_view bytes);

// Sayings files come from hand editors in either encoding: a line that is valid UTF-8 is kept as
// it is, any other line is read as Windows-1252. The result is always UTF-8.
std::string decodeLine(std::string_view bytes);

// A line as a caption shows it: decoded, and with every control character, which would draw as
// nothing or, as NUL, end the caption early, made the replacement character; a tab a space.
std::string captionText(std::string_view bytes);

} // namespace jestrel
