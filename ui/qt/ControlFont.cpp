#include "ui/qt/ControlFont.h"

#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/qt/Twips.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/FormBuilder.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>
#include <QStringTokenizer>
#include <algorithm>
#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

namespace jestrel
{

namespace
{

// Metric-compatible stand-ins first, then common sans-serif faces. Naming one installed family
// alone spares the toolkit working out fallbacks for every name it does not have.
const std::array kStandIns { u"Liberation Sans"_s, u"Arimo"_s,       u"Nimbus Sans"_s, u"Nimbus Sans L"_s,
                             u"FreeSans"_s,        u"DejaVu Sans"_s, u"Noto Sans"_s,   u"Cantarell"_s };

// Sizes are tried in tenths of a point.
constexpr int kSmallestTenths = 50;

// Whether the family itself is installed. Its styles are looked up by its own name; asking the
// font database whether it has the family would resolve the name through the system's
// substitution rules first, which costs more than all the rest of start-up's font work.
bool isInstalled(const QString &family)
{
    return !QFontDatabase::styles(family).isEmpty();
}

QString installedFamily()
{
    const QString described = QString::fromUtf8(forms::kControlFont.family);
    if (isInstalled(described))
        return described;
    if (const auto standIn = std::ranges::find_if(kStandIns, isInstalled); standIn != kStandIns.end())
        return *standIn;
    // A system with none of them, such as a desktop with CJK and Thai fonts only, gets the family
    // fontconfig matches to a bold sans-serif, named as itself so that its bold face is found.
    QFont sansSerif(u"sans-serif"_s);
    sansSerif.setStyleHint(QFont::SansSerif);
    sansSerif.setWeight(QFont::Weight(forms::kControlFont.weight));
    const QString matched = QFontInfo(sansSerif).family();
    return matched.isEmpty() ? QFontDatabase::systemFont(QFontDatabase::GeneralFont).family() : matched;
}

QFont fontAt(const QString &family, double points)
{
    QFont font(family);
    font.setWeight(QFont::Weight(forms::kControlFont.weight));
    font.setPointSizeF(points);
    return font;
}

// The lines a caption takes wrapped at its blanks within width, or 0 when a word alone is wider.
// Measured from each character's own advance, not laid out: that spares shaping every caption of
// the about box at start-up, and leaving out kerning, which narrows text, only errs on the safe side.
int wrappedLines(const QFontMetricsF &metrics, const QString &shown, qreal width)
{
    const qreal blank = metrics.horizontalAdvance(u' ');
    int lines = 0;
    for (const QStringView paragraph : QStringTokenizer(shown, u'\n')) {
        ++lines;
        qreal lineWidth = -blank;
        for (const QStringView word : QStringTokenizer(paragraph, u' ')) {
            qreal wordWidth = 0;
            for (const QChar c : word)
                wordWidth += metrics.horizontalAdvance(c);
            if (wordWidth > width)
                return 0;
            lineWidth += blank + wordWidth;
            if (lineWidth > width) {
                ++lines;
                lineWidth = wordWidth;
            }
        }
    }
    return lines;
}

// Every caption of both windows shows whole: wrapped within its control, no word wider than it,
// and no line past its bottom.
bool captionsFit(const QFont &font)
{
    const QFontMetricsF metrics(font);
    for (const forms::FormDescription *form : { &forms::mainForm(), &forms::aboutForm() }) {
        for (const forms::ControlDescription &control : form->controls) {
            if (control.caption.empty())
                continue;
            const int lines
                = wrappedLines(metrics, shownCaption(fromUtf8(control.caption)), twips::toPixels(control.twips.width));
            // Leading stands between lines, not above the first or below the last.
            if (lines == 0 || lines * metrics.lineSpacing() - metrics.leading() > twips::toPixels(control.twips.height))
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
    // The largest size at which everything fits.
    int low = kSmallestTenths;
    int high = static_cast<int>(std::lround(forms::kControlFont.points * 10));
    if (captionsFit(fontAt(family, high / 10.0)))
        return { family, high / 10.0 };
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (captionsFit(fontAt(family, middle / 10.0)) ? low : high) = middle;
    }
    return { family, low / 10.0 };
}

} // namespace

QFont withColourEmoji(QFont font, const QString &text)
{
    // The system's fallbacks may find a monochrome face with the emoji first. Looked for only once
    // a caption has emoji: finding a family's faces costs start-up a tenth of its work.
    const bool hasEmoji = std::ranges::any_of(text, [](QChar c) {
        return c.isSurrogate() || (c.unicode() >= 0x2600 && c.unicode() <= 0x27BF) || c.unicode() == 0xFE0F;
    });
    static const QString colourEmoji = u"Noto Color Emoji"_s;
    const bool listed = font.families().contains(colourEmoji);
    if (hasEmoji && !listed) {
        static const bool installed = isInstalled(colourEmoji);
        if (installed)
            font.setFamilies({ font.family(), colourEmoji });
    } else if (!hasEmoji && listed) {
        font.setFamilies({});
    }
    return font;
}

QFont controlFont()
{
    // Worked out once for both windows. A font, unlike its family's name, must not outlive the toolkit.
    static const FittedFont fitted = fittedFont();
    return fontAt(fitted.family, fitted.points);
}

} // namespace jestrel
