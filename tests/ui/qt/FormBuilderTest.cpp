#include "ui/qt/FormBuilder.h"
#include "forms/AboutForm.h"
#include "forms/MainForm.h"
#include "platform/qt/Twips.h"
#include "support/FixedRandom.h"
#include "support/QtPrinting.h"
#include "support/RecordingLauncher.h"
#include "ui/qt/CaptionLabel.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/PictureBox.h"
#include "ui/qt/frmAbout.h"

#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace jestrel
{
namespace
{

// Both windows as built from their descriptions: every control of the description, of its kind,
// where and as it is described, the focus moving in the order of the tab indices, and the keyboard
// buttons the description names.
TEST(FormBuilder, BuildsEachWindowAsDescribed)
{
    test::FixedRandom random({ 0.0f });
    test::RecordingLauncher launcher;
    Frm_JestrelMain main(random, launcher);
    frmAbout about(launcher, nullptr);
    const struct {
        QWidget *window;
        const forms::FormDescription *form;
        // The controls the focus goes round, the first holding it when the window shows.
        std::vector<std::string_view> focusOrder;
    } windows[] = {
        { &main, &forms::mainForm(), { "Btn_ThatWuzJestrel", "Picture1" } },
        { &about, &forms::aboutForm(), { "BTN_OK" } },
    };
    for (const auto &[window, form, focusOrder] : windows) {
        SCOPED_TRACE(form->name);
        EXPECT_EQ(window->objectName(), fromUtf8(form->name));
        EXPECT_EQ(window->windowTitle(), fromUtf8(form->caption));
        EXPECT_FALSE(window->windowIcon().isNull());
        EXPECT_EQ(window->minimumSize(), window->maximumSize());

        for (const forms::ControlDescription &described : form->controls) {
            SCOPED_TRACE(described.name);
            const auto *control = controlOf<QWidget>(*window, described.name);
            const forms::TwipsRect &place = described.twips;
            EXPECT_EQ(control->geometry(), twips::toPixels(place.left, place.top, place.width, place.height));
            EXPECT_TRUE(control->font().bold());
            EXPECT_EQ(control->isEnabled(), described.enabled);
            EXPECT_EQ(control->toolTip(), fromUtf8(described.toolTip));
            switch (described.kind) {
            case forms::ControlKind::PictureBox:
                EXPECT_TRUE(qobject_cast<const PictureBox *>(control));
                break;
            case forms::ControlKind::Label: {
                const auto *label = qobject_cast<const CaptionLabel *>(control);
                ASSERT_TRUE(label);
                EXPECT_EQ(label->text(), fromUtf8(described.caption));
                const Qt::Alignment across
                    = described.alignment == forms::TextAlignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
                EXPECT_EQ(label->alignment(), across | Qt::AlignTop);
                break;
            }
            case forms::ControlKind::PushButton: {
                const auto *button = qobject_cast<const QPushButton *>(control);
                ASSERT_TRUE(button);
                EXPECT_EQ(button->text(), fromUtf8(described.caption));
                EXPECT_EQ(button->isDefault(), described.name == form->defaultButton);
                break;
            }
            }
        }

        // Tab goes round the controls in that order; labels and the disabled icon box are passed by.
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        for (std::size_t i = 0; i <= focusOrder.size(); ++i) {
            const std::string_view expected = focusOrder[i % focusOrder.size()];
            ASSERT_TRUE(QApplication::focusWidget()) << "before " << expected;
            EXPECT_EQ(QApplication::focusWidget()->objectName(), fromUtf8(expected));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Escape presses the cancel button.
        QSignalSpy cancelled(controlOf<QPushButton>(*window, form->cancelButton), &QPushButton::clicked);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_EQ(cancelled.count(), 1);
        window->hide();
    }
}

} // namespace
} // namespace jestrel
