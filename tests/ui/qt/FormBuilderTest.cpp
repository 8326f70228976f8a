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

#include <QPushButton>
#include <QShortcut>
#include <gtest/gtest.h>

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
    const Frm_JestrelMain main(random, launcher);
    const frmAbout about(launcher, nullptr);
    const std::pair<const QWidget *, const forms::FormDescription *> windows[]
        = { { &main, &forms::mainForm() }, { &about, &forms::aboutForm() } };
    for (const auto &[window, form] : windows) {
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
                EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
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

        // The focus goes round the controls that take it in the order of their tab indices, from
        // the first of them, which holds it.
        QList<const QWidget *> described;
        for (const forms::ControlDescription *control : form->tabOrder()) {
            const auto *widget = controlOf<QWidget>(*window, control->name);
            if (widget->focusPolicy() != Qt::NoFocus && widget->isEnabled())
                described.append(widget);
        }
        ASSERT_FALSE(described.isEmpty());
        EXPECT_EQ(window->focusWidget(), described.front());
        QList<const QWidget *> chained { described.front() };
        for (const QWidget *w = described.front()->nextInFocusChain(); w != described.front();
             w = w->nextInFocusChain()) {
            if (described.contains(w))
                chained.append(w);
        }
        EXPECT_EQ(chained, described);
        const auto *escape = window->findChild<QShortcut *>();
        ASSERT_TRUE(escape);
        EXPECT_EQ(escape->key(), QKeySequence(Qt::Key_Escape));
    }
}

} // namespace
} // namespace jestrel
