#pragma once

class QWidget;

namespace jestrel
{

struct TwipsSize {
    float width = 0;
    float height = 0;
};

// The primary screen's full size, not just its work area.
TwipsSize screenSize();
// The window's outer size: frame, title bar and menu bar included. A window that has not shown yet
// has no frame; the window manager is asked for the one it will get.
TwipsSize outerSize(QWidget &window);
// Places the window's outer top-left corner, in twips from the primary screen's corner, wherever that
// screen stands among the others; its size stays as it is.
void moveWindow(QWidget &window, int left, int top);

} // namespace jestrel
