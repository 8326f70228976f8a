#pragma once

#include <string>
#include <string_view>
#include <windows.h>

namespace jestrel
{

// The label's text as it stands, access-key marks included.
std::wstring labelText(HWND label);

// Whether text's first letter, as Windows classes its characters, is of a right-to-left script.
bool readsRightToLeft(std::wstring_view text);

// Whether the label shows less than its whole text: a line below its bottom edge, or a word
// wider than it.
bool isCutOff(HWND label);

} // namespace jestrel
