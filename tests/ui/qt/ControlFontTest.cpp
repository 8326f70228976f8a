#include "ui/qt/ControlFont.h"
#include "support/FixedRandom.h"
#include "support/MissingPackage.h"
#include "support/RecordingLauncher.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/frmAbout.h"

#include <QAbstractButton>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

// Run once on the system's fonts, and once for each stand-in family installed alone, which names
// itself and its package in JESTREL_EXPECTED_FAMILY and JESTREL_EXPECTED_PACKAGE.
TEST(ControlFont, EveryCaptionShowsWholeUprightAndBold)
{
    const char *expected = std::getenv("JESTREL_EXPECTED_FAMILY");
    if (expected && !QFontDatabase::hasFamily(QString::fromUtf8(expected)))
        JESTREL_SKIP_WITHOUT(expected, std::getenv("JESTREL_EXPECTED_PACKAGE"));
    const QFont font = controlFont();
    const QFontInfo drawn(font);
    // A family some foundries share comes back with the foundry's name in brackets.
    const QString drawnFamily = drawn.family().section(u" ["_s, 0, 0);
    if (expected) {
        EXPECT_EQ(drawnFamily, QString::fromUtf8(expected));
    }
    EXPECT_EQ(drawnFamily, font.family());
    // The face drawn, not the style asked for: a stretch the family lacks may be matched to an
    // oblique face while the font still says it is upright.
    EXPECT_FALSE(drawn.styleName().contains(u"Italic"_s) || drawn.styleName().contains(u"Oblique"_s))
        << drawn.styleName().toStdString();
    EXPECT_GE(drawn.weight(), QFont::Bold);
    EXPECT_LE(font.pointSizeF(), 7.8);

    test::RecordingLauncher launcher;
    test::FixedRandom random({ 0.0f });
    Frm_JestrelMain main(random, launcher);
    frmAbout about(launcher, nullptr);
    for (const QWidget *control : main.centralWidget()->findChildren<QWidget *>() + about.findChildren<QWidget *>()) {
        QString caption;
        if (const auto *label = qobject_cast<const QLabel *>(control))
            caption = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            caption = button->text();
        if (caption.isEmpty())
            continue;
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_EQ(control->font(), font);
        const QRect needed = control->fontMetrics().boundingRect(QRect(0, 0, control->width(), QWIDGETSIZE_MAX),
                                                                 Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
        EXPECT_LE(needed.width(), control->width());
        EXPECT_LE(needed.height(), control->height());
    }
}

} // namespace
} // namespace jestrel
