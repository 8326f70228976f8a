#pragma once

#include <QIcon>
#include <QPixmap>

namespace jestrel
{

// The bullseye as the icon boxes show it: the 32 × 32 image decoded from the program's icon file.
QPixmap programPixmap();

// The windows' icon: that image, and the same rings drawn at the desktop's larger and smaller icon
// sizes, so that a scaled display need not enlarge the 32 × 32 image.
QIcon programIcon();

} // namespace jestrel
