#pragma once

class QWidget;

namespace jestrel
{

// Moves the window, frame and all, to the middle of the primary screen without changing its size.
void CenterOnScreen(QWidget &window);

} // namespace jestrel
