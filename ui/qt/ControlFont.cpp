#include "ui/qt/ControlFont.h"

#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/qt/Twips.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <array>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

// Metric-compatible stand-ins first, then common sans-serif faces. Naming one installed family
// alone spares the toolkit working out fallbacks for every name it does not have.
const std::array kStandIns { u"Liberation Sans"_s, u"Arimo"_s,       u"Nimbus Sans"_s, u"Nimbus Sans L"_s,
                             u"FreeSans"_s,        u"DejaVu Sans"_s, u"Noto Sans"_s,   u"Cantarell"_s };

constexpr double kSmallestPoints = 5.0;
constexpr double kPointStep = 0.1;

QString installedFamily()
{
    const QString described = QString::fromUtf8(forms::kControlFont.family);
    if (QFontDatabase::hasFamily(described))
        return described;
    for (const QString &family : kStandIns) {
        if (QFontDatabase::hasFamily(family))
            return family;
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont fontAt(const QString &family, double points)
{
    QFont font(family);
    font.setWeight(QFont::Weight(forms::kControlFont.weight));
    font.setPointSizeF(points);
    return font;
}

// Every caption of both windows shows whole: wrapped within its control, no line and no word
// wider than it, and no line past its bottom.
bool captionsFit(const QFont &font)
{
    const QFontMetricsF metrics(font);
    for (const forms::FormDescription *form : { &forms::mainForm(), &forms::aboutForm() }) {
        for (const forms::ControlDescription &control : form->controls) {
            if (control.caption.empty())
                continue;
            const QRectF room(0, 0, twips::toPixels(control.twips.width), twips::toPixels(control.twips.height));
            const QRectF needed
                = metrics.boundingRect(QRectF(0, 0, room.width(), 1e6), Qt::TextWordWrap | Qt::TextShowMnemonic,
                                       QString::fromUtf8(control.caption));
            if (needed.width() > room.width() || needed.height() > room.height())
                return false;
        }
    }
    return true;
}

struct FittedFont {
    QString family;
    double points;
};

FittedFont fittedFont()
{
    const QString family = installedFamily();
    // The largest size, in tenths of a point, at which everything fits.
    int low = static_cast<int>(kSmallestPoints / kPointStep);
    int high = static_cast<int>(forms::kControlFont.points / kPointStep + 0.5);
    if (captionsFit(fontAt(family, high * kPointStep)))
        return { family, high * kPointStep };
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (captionsFit(fontAt(family, middle * kPointStep)) ? low : high) = middle;
    }
    return { family, low * kPointStep };
}

} // namespace

QFont controlFont()
{
    // Worked out once for both windows. A font, unlike its family's name, must not outlive the toolkit.
    static const FittedFont fitted = fittedFont();
    return fontAt(fitted.family, fitted.points);
}

} // namespace jestrel
