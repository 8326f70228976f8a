#include "ui/SayingLabel.h"

#include <QApplication>
#include <QHelpEvent>
#include <QImage>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

QImage rendered(const QString &caption)
{
    SayingLabel label;
    label.resize(200, 40);
    label.setCaption(caption);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label.render(&image);
    return image;
}

// The tooltip as the label gives it when the pointer rests on it.
QString toolTipOf(SayingLabel &label)
{
    QHelpEvent asked(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&label, &asked);
    return label.toolTip();
}

TEST(SayingLabel, AmpersandMarksAnAccessKeyAndDoubledShowsOne)
{
    EXPECT_EQ(SayingLabel::shownText(u"Click &me"_s), u"Click me"_s);
    EXPECT_EQ(SayingLabel::shownText(u"Salt && pepper"_s), u"Salt & pepper"_s);
    EXPECT_EQ(SayingLabel::shownText(u"a&&&b&"_s), u"a&b&"_s);

    // The marked letter is underlined: the picture differs from the unmarked caption's only there.
    EXPECT_NE(rendered(u"&Hello"_s), rendered(u"Hello"_s));
    EXPECT_EQ(rendered(u"Hello"_s), rendered(u"Hello"_s));

    SayingLabel label;
    label.setCaption(u"Salt && pepper"_s);
    EXPECT_EQ(label.accessibleName(), u"Salt & pepper"_s);
}

TEST(SayingLabel, MarkupStaysPlainText)
{
    SayingLabel label;
    label.setCaption(u"<b>bold</b> <img src=\"/etc/passwd\">"_s);
    EXPECT_EQ(label.textFormat(), Qt::PlainText);
    EXPECT_EQ(label.accessibleName(), u"<b>bold</b> <img src=\"/etc/passwd\">"_s);
    // Drawn as text, the tags take room that markup would not.
    EXPECT_NE(rendered(u"<b>bold</b>"_s), rendered(u"bold"_s));
}

TEST(SayingLabel, UnsafeTextShowsAsItIs)
{
    SayingLabel label;
    label.resize(120, 30);
    label.show();
    label.setCaption(QString::fromUtf8("a\0b\x01"
                                       "c\td",
                                       7));
    EXPECT_EQ(label.text(), u"a\uFFFDb\uFFFDc d"_s);

    const QString rightToLeft = u"\u05E9\u05DC\u05D5\u05DD \u0639\u0627\u0644\u0645"_s;
    label.setCaption(rightToLeft);
    EXPECT_EQ(label.text(), rightToLeft);

    // A word too long to wrap is cut off at the right edge, so the tooltip shows it whole.
    const QString longWord(200, u'W');
    label.setCaption(longWord);
    EXPECT_TRUE(label.isCutOff());
    EXPECT_EQ(toolTipOf(label), u"<qt>"_s + longWord + u"</qt>"_s);
}

TEST(SayingLabel, TooltipHoldsACutOffSayingWhole)
{
    SayingLabel label;
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
