#pragma once

#include <QRect>

namespace jestrel
{

// Where the primary screen stands among the screens, in the toolkit's pixels. Throws
// WindowOperation when there is no screen.
QRect primaryScreenGeometry();

} // namespace jestrel
