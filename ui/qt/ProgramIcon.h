#pragma once

#include <QIcon>
#include <QImage>

namespace jestrel
{

// The bullseye for a picture box, 32 × 32 in the window's coordinates, in the display's own pixels:
// drawn from the rings, which at a scale of 1 give the icon file's image pixel for pixel.
QImage programImage(qreal devicePixelRatio);

// The windows' icon: the icon file's image at 32 pixels, and the same rings drawn at whatever other
// size the desktop asks for, when it first asks.
QIcon programIcon();

} // namespace jestrel
