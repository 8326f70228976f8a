#pragma once

#include <QFont>

namespace jestrel
{

// The font every control of both windows writes in: bold, 7.8 points, in the family the windows
// were laid out for or, on a system without it, the first of a list of stand-ins it has. A
// stand-in that runs wider is set just small enough for every caption of both windows to show whole.
QFont controlFont();

// font, with emoji in text drawn from a colour emoji font where one is installed.
QFont withColourEmoji(QFont font, const QString &text);

} // namespace jestrel
