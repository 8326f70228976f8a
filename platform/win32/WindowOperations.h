#pragma once

#include <windows.h>

namespace jestrel
{

struct TwipsSize {
    float width = 0;
    float height = 0;
};

// The primary monitor's full size, not just its work area.
TwipsSize screenSize();
// The window's outer size: frame, title bar and menu bar included.
TwipsSize outerSize(HWND window);
// Places the window's outer top-left corner, in twips from the primary monitor's corner,
// wherever that monitor stands among the others; its size stays as it is.
void moveWindow(HWND window, int left, int top);

} // namespace jestrel
