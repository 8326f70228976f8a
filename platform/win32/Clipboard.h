#pragma once

#include <string_view>
#include <windows.h>

namespace jestrel
{

// Puts text on the clipboard as plain text, in place of whatever it held, with owner as the window
// that put it there.
void copyToClipboard(HWND owner, std::wstring_view text);

} // namespace jestrel
