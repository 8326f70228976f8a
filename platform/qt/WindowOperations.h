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
// The window's outer size: frame, title bar and menu bar included, as the toolkit knows them.
TwipsSize outerSize(const QWidget &window);
// Places the window's outer top-left corner; its size stays as it is.
void moveWindow(QWidget &window, int left, int top);

} // namespace jestrel
