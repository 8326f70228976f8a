#pragma once

#include <QIcon>
#include <QPixmap>

namespace jestrel
{

// The bullseye as the windows show it, decoded from the program's icon file image.
QPixmap programPixmap();
QIcon programIcon();

} // namespace jestrel
