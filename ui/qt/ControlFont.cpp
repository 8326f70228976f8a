#include "ui/ControlFont.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

constexpr int kStandInStretch = 95;

} // namespace

QFont controlFont()
{
    QFont font;
    font.setFamilies({ u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s });
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPointSizeF(7.8);
    // The stand-ins run wider than the bitmap font both windows' captions were measured for, and
    // would push the about box's one-line notices onto a second, hidden line.
    font.setStretch(kStandInStretch);
    return font;
}

} // namespace jestrel
