#pragma once

#include <string>
#include <string_view>

namespace jestrel
{

// The program keeps its text in UTF-8; the Windows API takes and gives UTF-16. Text crosses at
// the API boundary, here. Bytes that are not UTF-8, and lone surrogates, become U+FFFD.
std::wstring toWide(std::string_view utf8);
std::string toUtf8(std::wstring_view wide);

} // namespace jestrel
