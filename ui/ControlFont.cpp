#include "ui/ControlFont.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace jestrel
{

QFont controlFont()
{
    QFont font;
    font.setFamilies({ u"MS Sans Serif"_s, u"Microsoft Sans Serif"_s, u"Liberation Sans"_s, u"DejaVu Sans"_s });
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Bold);
    font.setPointSizeF(7.8);
    return font;
}

} // namespace jestrel
