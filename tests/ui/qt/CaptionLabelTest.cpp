#include "ui/qt/CaptionLabel.h"
#include "support/MissingPackage.h"
#include "ui/qt/ControlFont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

QImage rendered(const QString &caption, QSize size = QSize(200, 40), const QFont &font = QFont())
{
    CaptionLabel label;
    label.setFont(font);
    label.resize(size);
    label.setCaption(caption);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// The rows of the picture that hold any ink; with transposed, its columns.
std::vector<int> inkedRows(const QImage &image, bool transposed = false)
{
    const QImage lines = transposed ? image.transformed(QTransform(0, 1, 1, 0, 0, 0)) : image;
    std::vector<int> rows;
    for (int y = 0; y < lines.height(); ++y) {
        for (int x = 0; x < lines.width(); ++x) {
            if (lines.pixel(x, y) != qRgb(255, 255, 255)) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

// The tooltip as the label gives it when the pointer rests on it.
QString toolTipOf(CaptionLabel &label)
{
    QHelpEvent asked(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&label, &asked);
    return label.toolTip();
}

TEST(CaptionLabel, AmpersandMarksAnAccessKeyAndDoubledShowsOne)
{
    EXPECT_EQ(shownCaption(u"Click &me"_s), u"Click me"_s);
    EXPECT_EQ(shownCaption(u"Salt && pepper"_s), u"Salt & pepper"_s);
    EXPECT_EQ(shownCaption(u"a&&&b&"_s), u"a&b&"_s);

    // The marked letter is underlined: the pictures differ only below the letters' baseline.
    const QImage marked = rendered(u"&Hello"_s);
    const QImage plain = rendered(u"Hello"_s);
    const int baseline = QFontMetrics(CaptionLabel().font()).ascent();
    int differingRows = 0;
    for (int y = 0; y < plain.height(); ++y) {
        if (std::memcmp(marked.constScanLine(y), plain.constScanLine(y),
                        static_cast<std::size_t>(plain.bytesPerLine()))) {
            EXPECT_GE(y, baseline);
            ++differingRows;
        }
    }
    EXPECT_GT(differingRows, 0);

    CaptionLabel label;
    label.setCaption(u"Salt && pepper"_s);
    EXPECT_EQ(label.accessibleName(), u"Salt & pepper"_s);
}

TEST(CaptionLabel, MarkupShowsAsText)
{
    CaptionLabel label;
    label.setCaption(u"<b>bold</b> <img src=\"/etc/passwd\">"_s);
    EXPECT_EQ(label.accessibleName(), u"<b>bold</b> <img src=\"/etc/passwd\">"_s);
    // Read as markup, the tags would draw nothing: only the word would take room.
    QFont bold;
    bold.setBold(true);
    const auto width = [](const QImage &image) { return inkedRows(image, true).size(); };
    EXPECT_GT(width(rendered(u"<b>bold</b>"_s)), 2 * width(rendered(u"bold"_s, QSize(200, 40), bold)));
}

// A saying in any script shows in glyphs of its own, not as the box of a character no font has,
// and one that starts in a right-to-left script reads right to left.
TEST(CaptionLabel, EveryScriptIsDrawnInGlyphsOfItsOwnAndReadsItsWay)
{
    const QSize size(300, 40);
    // What is drawn for a character no font has.
    const QImage missing = rendered(u"\uE000"_s, size, controlFont());
    const struct {
        QString saying;
        QFontDatabase::WritingSystem script;
        const char *package;
    } rows[] = {
        { u"\u65E5\u672C\u8A9E"_s, QFontDatabase::Japanese, "fonts-noto-cjk" },
        { u"\u4E2D\u6587"_s, QFontDatabase::SimplifiedChinese, "fonts-noto-cjk" },
        { u"\u0645\u0631\u062D\u0628\u0627"_s, QFontDatabase::Arabic, "fonts-dejavu-core" },
        { u"\u05E9\u05DC\u05D5\u05DD"_s, QFontDatabase::Hebrew, "fonts-dejavu-core" },
        { u"\u041F\u0440\u0438"_s, QFontDatabase::Cyrillic, "fonts-dejavu-core" },
    };
    for (const auto &[saying, script, package] : rows) {
        if (QFontDatabase::families(script).isEmpty())
            JESTREL_SKIP_WITHOUT("A font for " + QFontDatabase::writingSystemName(script).toStdString(), package);
        for (const char32_t c : saying.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            EXPECT_NE(rendered(character, size, controlFont()), missing) << character.toStdString();
        }
    }
    // Read left to right, as a left-to-right mark before it has it, the stop would follow the word.
    const QString hebrew = u"\u05E9\u05DC\u05D5\u05DD!"_s;
    EXPECT_NE(rendered(hebrew, size, controlFont()), rendered(u"\u200E"_s + hebrew, size, controlFont()));
}

TEST(CaptionLabel, AccentsOnCapitalsShowWholeAtTheTop)
{
    // The diaeresis stands above the capital's cap height, and in the controls' font above the
    // ascent too: the label shows every row of the letter, as drawn with room to spare.
    const QString accented = u"\u00DC"_s;
    QImage whole(40, 40, QImage::Format_ARGB32);
    whole.fill(Qt::white);
    QPainter painter(&whole);
    painter.setFont(controlFont());
    painter.drawText(QPointF(10, 20 + QFontMetricsF(controlFont()).ascent()), accented);
    painter.end();
    EXPECT_EQ(inkedRows(rendered(accented, QSize(200, 40), controlFont())).size(), inkedRows(whole).size());
}

TEST(CaptionLabel, ShowsWholeLinesOnlyAndBreaksAWordTooWideForIt)
{
    const QSize size(120, 40);
    const int lineHeight = QFontMetrics(CaptionLabel().font()).height();
    const QImage image
        = rendered(u"A saying so long that it wraps over more lines than the label can show at once."_s, size);
    const std::vector<int> rows = inkedRows(image);
    ASSERT_FALSE(rows.empty());
    EXPECT_LT(rows.back(), size.height() / lineHeight * lineHeight);

    // A word wider than the label goes on over the next line rather than past both edges.
    CaptionLabel label;
    label.resize(120, 400);
    label.setCaption(QString(30, u'W'));
    EXPECT_FALSE(label.isCutOff());
    EXPECT_GT(inkedRows(rendered(QString(30, u'W'), QSize(120, 400))).back(), lineHeight);
}

// The first font with a glyph draws it, and a monochrome face may have emoji too.
TEST(CaptionLabel, EmojiShowInColourWhereAColourFontIsInstalled)
{
    if (QFontDatabase::styles(u"Noto Color Emoji"_s).isEmpty())
        JESTREL_SKIP_WITHOUT("Noto Color Emoji", "fonts-noto-color-emoji");
    for (const QString &emoji : { u"\U0001F3AF"_s, u"\U0001F44D"_s }) {
        const QImage image = rendered(emoji, QSize(60, 40), controlFont());
        bool coloured = false;
        for (int y = 0; y < image.height() && !coloured; ++y) {
            for (int x = 0; x < image.width() && !coloured; ++x) {
                const QColor pixel = image.pixelColor(x, y);
                coloured = pixel.saturation() > 100 && pixel.value() > 100;
            }
        }
        EXPECT_TRUE(coloured) << emoji.toStdString();
    }
}

TEST(CaptionLabel, TooltipHoldsACutOffSayingWhole)
{
    CaptionLabel label;
    label.resize(120, 30);
    label.show();
    label.setCaption(u"Short."_s);
    EXPECT_FALSE(label.isCutOff());
    EXPECT_TRUE(toolTipOf(label).isEmpty());

    const QString longSaying = u"A <saying> so long that it wraps over more lines than the label can show at once."_s;
    label.setCaption(longSaying);
    EXPECT_TRUE(label.isCutOff());
    EXPECT_EQ(toolTipOf(label), u"<qt>"_s + longSaying.toHtmlEscaped() + u"</qt>"_s);

    label.resize(120, 400);
    EXPECT_TRUE(toolTipOf(label).isEmpty());
}

} // namespace
} // namespace jestrel
