#pragma once

#include "platform/Twips.h"

namespace jestrel
{

// What placing a window asks of it, in twips; each front end answers for its windows. Every
// operation that fails throws WindowOperation.
class WindowOperations
{
public:
    virtual ~WindowOperations() = default;

    // The primary screen's full size, not just its work area.
    virtual TwipsSize screenSize() = 0;
    // The window's outer size: frame, title bar and menu bar included.
    virtual TwipsSize outerSize() = 0;
    // Places the window's outer top-left corner, in twips from the primary screen's corner,
    // wherever that screen stands among the others; its size stays as it is.
    virtual void move(int left, int top) = 0;
};

} // namespace jestrel
