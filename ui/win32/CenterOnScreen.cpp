#include "ui/win32/CenterOnScreen.h"

#include "forms/Centring.h"
#include "platform/win32/WindowOperations.h"

namespace jestrel
{

void CenterOnScreen(HWND window)
{
    const TwipsSize screen = screenSize();
    const TwipsSize outer = outerSize(window);
    const forms::WindowPosition position
        = forms::centredPosition(screen.width, screen.height, outer.width, outer.height);
    moveWindow(window, position.left, position.top);
}

} // namespace jestrel
