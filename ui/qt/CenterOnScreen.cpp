#include "ui/qt/CenterOnScreen.h"

#include "forms/Centring.h"
#include "platform/qt/WindowOperations.h"

namespace jestrel
{

void CenterOnScreen(QWidget &window)
{
    const TwipsSize screen = screenSize();
    const TwipsSize outer = outerSize(window);
    const forms::WindowPosition position
        = forms::centredPosition(screen.width, screen.height, outer.width, outer.height);
    moveWindow(window, position.left, position.top);
}

} // namespace jestrel
