#pragma once

#include <QFont>

namespace jestrel
{

// The font every control of both windows writes in: "MS Sans Serif", bold, 7.8 points, or the
// nearest sans-serif this system has.
QFont controlFont();

} // namespace jestrel
