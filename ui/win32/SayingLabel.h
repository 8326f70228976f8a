#pragma once

#include <string>
#include <windows.h>

namespace jestrel
{

// The label's text as it stands, access-key marks included.
std::wstring labelText(HWND label);

// Whether the label shows less than its whole text: a line below its bottom edge, or a word
// wider than it.
bool isCutOff(HWND label);

} // namespace jestrel
