#include "ui/qt/frmAbout.h"
#include "platform/qt/Twips.h"
#include "support/CurrentDir.h"
#include "support/FixedRandom.h"
#include "support/QtPrinting.h"
#include "support/RecordingLauncher.h"
#include "support/TempDir.h"
#include "ui/qt/Frm_JestrelMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

// Acts on the modal dialog once its showing has begun and it is the active window, as Qt's own
// dialog tests do. A dialog still shown long after is put away and the test fails, so a broken
// handler cannot hang the run.
class WhileModal
{
public:
    explicit WhileModal(std::function<void(QWidget &dialog)> action) : m_action(std::move(action))
    {
        QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { poll(); });
        m_poll.start(10);
        m_clock.start();
    }
    bool acted() const { return m_acted; }

private:
    void poll()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (!m_acted && QApplication::activeWindow() == dialog) {
            m_acted = true;
            m_action(*dialog);
        } else if (m_clock.hasExpired(2000)) {
            ADD_FAILURE() << (m_acted ? "the dialog is still shown" : "the dialog never became active");
            dialog->hide();
        }
    }

    std::function<void(QWidget &)> m_action;
    bool m_acted = false;
    QTimer m_poll;
    QElapsedTimer m_clock;
};

template<class T> T *child(const QWidget &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    EXPECT_TRUE(found) << name.toStdString();
    return found;
}

// Whether the window's frame sits in the middle of the primary screen, to within a pixel.
testing::AssertionResult isCentred(const QWidget &window)
{
    const QPointF offset
        = QRectF(window.frameGeometry()).center() - QRectF(QGuiApplication::primaryScreen()->geometry()).center();
    if (std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "off centre by " << offset.x() << ", " << offset.y();
}

class AboutDialogTest : public testing::Test
{
protected:
    AboutDialogTest() : m_cwd(m_dir.path()) { m_dir.write("Jestrel.Ini", "2\r\nfirst\r\nsecond\r\n"); }
    void TearDown() override
    {
        m_window.reset();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    void startMainWindow()
    {
        m_window = std::make_unique<Frm_JestrelMain>(m_random, m_launcher);
        m_window->Form_Load();
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    }

    // Chooses Help > About and has action put the dialog away; returns once the menu handler has.
    void openFromMenu(const std::function<void(QWidget &dialog)> &action)
    {
        // The menu is chosen from the active main window, which takes the activation back each
        // time the dialog hides; the offscreen platform, like a bare X server, would not.
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        WhileModal driver(action);
        child<QAction>(*m_window, u"MnuHelpAbout"_s)->trigger();
        EXPECT_TRUE(driver.acted());
    }

    static QList<QWidget *> aboutDialogs()
    {
        QList<QWidget *> found;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == u"frmAbout"_s)
                found.append(window);
        }
        return found;
    }

    // A click that goes through the window system, where a modal dialog blocks it.
    void clickPicture1()
    {
        const auto *picture = child<QWidget>(*m_window, u"Picture1"_s);
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          picture->mapTo(m_window.get(), picture->rect().center()));
    }

    test::TempDir m_dir;
    test::CurrentDir m_cwd;
    test::FixedRandom m_random { { 0.0f } };
    test::RecordingLauncher m_launcher;
    std::unique_ptr<Frm_JestrelMain> m_window;
};

TEST_F(AboutDialogTest, IconBoxShowsTheIconUngreyedButTakesNoInput)
{
    frmAbout dialog(m_launcher, nullptr);
    auto *icon = child<QWidget>(dialog, u"PIC_Icon"_s);
    EXPECT_FALSE(icon->isEnabled());

    // Disabled, the box still shows the icon as an enabled one would, not greyed out.
    const auto rendered = [icon] {
        QImage image(icon->size(), QImage::Format_ARGB32);
        icon->render(&image);
        return image;
    };
    const QImage disabled = rendered();
    icon->setEnabled(true);
    EXPECT_EQ(disabled, rendered());
    icon->setEnabled(false);

    // The window system still hands the box's mouse events to its event filters.
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, icon->geometry().center());
    EXPECT_TRUE(m_launcher.launches.empty());
}

TEST_F(AboutDialogTest, IconDoubleClickLaunchesTheCalculatorAndLeavesTheDialogOpen)
{
    frmAbout dialog(m_launcher, nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto *icon = child<QWidget>(dialog, u"PIC_Icon"_s);
    // The shipped box is disabled; enabled here, a double-click reaches the handler.
    icon->setEnabled(true);
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {}, icon->geometry().center());
    ASSERT_EQ(m_launcher.launches.size(), 1u);
    EXPECT_EQ(m_launcher.launches[0].command, "calc.exe");
    EXPECT_EQ(m_launcher.launches[0].windowStyle, 2);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(AboutDialogTest, MadeOnceOnFirstUseCentredOnceAndReopenedWhereItWasLeft)
{
    startMainWindow();
    EXPECT_TRUE(aboutDialogs().isEmpty());

    QPoint moved;
    openFromMenu([&](QWidget &dialog) {
        EXPECT_TRUE(isCentred(dialog));
        // It belongs to the main window, which the window manager minimises and restores with it.
        EXPECT_EQ(dialog.parentWidget(), m_window.get());
        moved = dialog.frameGeometry().topLeft() + QPoint(37, -23);
        dialog.move(moved);
        QTest::mouseClick(child<QPushButton>(dialog, u"BTN_OK"_s), Qt::LeftButton);
    });
    ASSERT_EQ(aboutDialogs().size(), 1);
    QWidget *first = aboutDialogs().front();
    EXPECT_FALSE(first->isVisible());

    openFromMenu([&](QWidget &dialog) {
        EXPECT_EQ(&dialog, first);
        EXPECT_EQ(dialog.frameGeometry().topLeft(), moved);
        // The frame's close command hides the dialog as OK does.
        EXPECT_TRUE(dialog.close());
    });
    EXPECT_EQ(aboutDialogs(), QList<QWidget *> { first });

    openFromMenu([&](QWidget &dialog) {
        EXPECT_EQ(dialog.frameGeometry().topLeft(), moved);
        dialog.hide();
    });
    EXPECT_EQ(aboutDialogs(), QList<QWidget *> { first });
    EXPECT_TRUE(m_window->isVisible());
}

TEST_F(AboutDialogTest, AnyCharacterKeyOnOkPutsTheDialogAway)
{
    startMainWindow();
    const std::pair<const char *, Qt::Key> keys[] = {
        { "letter", Qt::Key_Q },    { "digit", Qt::Key_7 },       { "Enter", Qt::Key_Return },
        { "Space", Qt::Key_Space }, { "Escape", Qt::Key_Escape },
    };
    for (const auto &[name, key] : keys) {
        SCOPED_TRACE(name);
        openFromMenu([key = key](QWidget &dialog) {
            QWidget *ok = child<QPushButton>(dialog, u"BTN_OK"_s);
            ASSERT_EQ(QApplication::focusWidget(), ok);
            QTest::keyClick(ok, key);
            EXPECT_FALSE(dialog.isVisible());
        });
    }

    // Tab keeps the focus on the only control that takes it and leaves the dialog open.
    openFromMenu([](QWidget &dialog) {
        QWidget *ok = child<QPushButton>(dialog, u"BTN_OK"_s);
        QTest::keyClick(ok, Qt::Key_Tab);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(QApplication::focusWidget(), ok);
        QTest::keyClick(ok, Qt::Key_A, Qt::ShiftModifier);
    });
    EXPECT_EQ(aboutDialogs().size(), 1);
    EXPECT_TRUE(m_window->isVisible());
}

// Every way in to the main window's handlers, each tried while the dialog shows: the toolkit keeps
// the mouse and the keys away, but a screen reader's press, or a key sent to the control itself,
// reaches the handlers unless they refuse.
TEST_F(AboutDialogTest, MainWindowRunsNoHandlerWhileTheDialogShows)
{
    startMainWindow();
    ASSERT_EQ(m_random.reseeds, 1);
    auto *picture = child<QWidget>(*m_window, u"Picture1"_s);
    auto *button = child<QWidget>(*m_window, u"Btn_ThatWuzJestrel"_s);
    const auto screenReaderPress = [](QWidget *control) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        EXPECT_TRUE(accessible->state().disabled);
        EXPECT_TRUE(accessible->actionInterface()->actionNames().isEmpty());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    const std::pair<const char *, std::function<void()>> ways[] = {
        { "a click on the bullseye", [&] { clickPicture1(); } },
        { "Space on the bullseye", [&] { QTest::keyClick(picture, Qt::Key_Space); } },
        { "Alt+J", [&] { QTest::keyClick(m_window.get(), Qt::Key_J, Qt::AltModifier); } },
        { "Enter on the bullseye", [&] { QTest::keyClick(picture, Qt::Key_Return); } },
        { "the bullseye's press by a screen reader", [&] { screenReaderPress(picture); } },
        { "the exit button's press by a screen reader", [&] { screenReaderPress(button); } },
        { "Help > About", [&] { child<QAction>(*m_window, u"MnuHelpAbout"_s)->trigger(); } },
        { "Ctrl+C", [&] { QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier); } },
        { "the saying's Copy", [&] { child<QAction>(*m_window, u"MnuSayingCopy"_s)->trigger(); } },
    };
    QGuiApplication::clipboard()->setText(u"as it was"_s);
    openFromMenu([&](QWidget &dialog) {
        EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
        for (const auto &[name, way] : ways) {
            SCOPED_TRACE(name);
            way();
            QTest::qWait(50);
            EXPECT_EQ(m_random.reseeds, 1);
            EXPECT_EQ(QGuiApplication::clipboard()->text(), u"as it was"_s);
            EXPECT_TRUE(m_window->isVisible() && dialog.isVisible());
        }
        EXPECT_EQ(aboutDialogs().size(), 1);
        dialog.hide();
    });
    // The handler has resumed and the main window takes input again.
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    clickPicture1();
    EXPECT_EQ(m_random.reseeds, 2);
    QAccessible::queryAccessibleInterface(picture)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_random.reseeds, 3);
}

} // namespace
} // namespace jestrel
