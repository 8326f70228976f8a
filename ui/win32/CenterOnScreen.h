#pragma once

#include <windows.h>

namespace jestrel
{

// Moves the window, frame and all, to the middle of the primary monitor without changing its size.
void CenterOnScreen(HWND window);

} // namespace jestrel
