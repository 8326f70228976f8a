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

} // namespace jestrel
