#include "ui/qt/Frm_JestrelMain.h"
#include "platform/qt/Twips.h"
#include "support/CurrentDir.h"
#include "support/FixedRandom.h"
#include "support/QtPrinting.h"
#include "support/RecordingLauncher.h"
#include "support/TempDir.h"
#include "ui/qt/PictureBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

class MainWindowTest : public testing::Test
{
protected:
    MainWindowTest() : m_cwd(m_dir.path()) { m_dir.write("Jestrel.Ini", "4\r\nfirst\r\nsecond\r\nthird\r\n"); }
    void TearDown() override
    {
        m_window.reset();
        EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());
    }

    template<class T> T *child(const QString &name) const
    {
        T *found = m_window->findChild<T *>(name);
        EXPECT_TRUE(found) << name.toStdString();
        return found;
    }
    QString caption() const { return child<QLabel>(u"Lbl_Jestrel"_s)->text(); }
    void clickPicture() { QTest::mouseClick(child<QWidget>(u"Picture1"_s), Qt::LeftButton, {}, QPoint(10, 10)); }

    test::TempDir m_dir;
    test::CurrentDir m_cwd;
    test::FixedRandom m_random { { 0.0f, 0.5f, 0.9f } };
    test::RecordingLauncher m_launcher;
    std::unique_ptr<Frm_JestrelMain> m_window = std::make_unique<Frm_JestrelMain>(m_random, m_launcher);
};

TEST_F(MainWindowTest, CaptionsCarryTheirAccessKeys)
{
    EXPECT_EQ(child<QPushButton>(u"Btn_ThatWuzJestrel"_s)->text(), u"&Jestrel!"_s);
    EXPECT_EQ(child<QMenu>(u"MnuHelp"_s)->title(), u"&Help"_s);
    EXPECT_EQ(child<QAction>(u"MnuHelpAbout"_s)->text(), u"&About Jestrel!"_s);
    EXPECT_EQ(child<QMenu>(u"MnuHelp"_s)->actions(), QList<QAction *> { child<QAction>(u"MnuHelpAbout"_s) });
}

// The exit button holds the focus at start; Tab reaches the bullseye, where Space and Enter draw
// as a click does, and Shift+Tab goes back. The label never takes the focus.
TEST_F(MainWindowTest, KeyboardReachesTheBullseyeAndDraws)
{
    m_window->Form_Load();
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    auto *button = child<QPushButton>(u"Btn_ThatWuzJestrel"_s);
    auto *picture = child<QWidget>(u"Picture1"_s);
    EXPECT_EQ(QApplication::focusWidget(), button);
    EXPECT_EQ(child<QLabel>(u"Lbl_Jestrel"_s)->focusPolicy(), Qt::NoFocus);

    QSignalSpy exits(button, &QPushButton::clicked);
    QTest::keyClick(button, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), picture);
    for (const Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter })
        QTest::keyClick(picture, key);
    EXPECT_EQ(m_random.reseeds, 4);
    EXPECT_EQ(exits.count(), 0);
    QTest::keyClick(picture, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), button);
}

// Enter still held from closing the about box repeats on the window: the exit button and the
// bullseye, which the toolkit would press on each repeat, act on a fresh press only.
TEST_F(MainWindowTest, HeldEnterPressesNothing)
{
    for (const char *name : { "Btn_ThatWuzJestrel", "Picture1" }) {
        SCOPED_TRACE(name);
        auto *control = child<QAbstractButton>(QString::fromLatin1(name));
        QSignalSpy clicks(control, &QAbstractButton::clicked);
        for (const bool repeat : { true, false }) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), repeat);
            QApplication::sendEvent(control, &press);
        }
        EXPECT_EQ(clicks.count(), 1);
    }
}

TEST_F(MainWindowTest, LoadShowsTheFirstDrawAndEachClickDrawsAgain)
{
    m_window->Form_Load();
    EXPECT_EQ(caption(), u"first"_s);
    EXPECT_EQ(m_random.reseeds, 1);
    clickPicture();
    EXPECT_EQ(caption(), u"second"_s);
    m_dir.write("Jestrel.Ini", "2\r\nedited since\r\n");
    clickPicture();
    EXPECT_EQ(caption(), u"edited since"_s);
    EXPECT_EQ(m_random.reseeds, 3);

    // A right click or a release outside the box is no click.
    QTest::mouseClick(child<QWidget>(u"Picture1"_s), Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseClick(child<QLabel>(u"Lbl_Jestrel"_s), Qt::LeftButton);
    EXPECT_EQ(m_random.reseeds, 3);
}

// Ctrl+C, and Copy in the saying's context menu, put the saying on the clipboard as it shows.
TEST_F(MainWindowTest, CtrlCAndTheSayingsMenuCopyItAsItShows)
{
    m_dir.write("Jestrel.Ini", "2\r\nSalt && pepper &now\r\n");
    m_window->Form_Load();
    m_window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), u"Salt & pepper now"_s);

    clipboard->clear();
    auto *label = child<QLabel>(u"Lbl_Jestrel"_s);
    QTimer::singleShot(50, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu);
        ASSERT_EQ(menu->actions().size(), 1);
        menu->setActiveAction(menu->actions().front());
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QContextMenuEvent asked(QContextMenuEvent::Mouse, QPoint(5, 5), label->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(label, &asked);
    EXPECT_EQ(clipboard->text(), u"Salt & pepper now"_s);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

// A file dropped on the window is the sayings file from then on; a drop of what is not a local
// file is refused. A real drag, in the end-to-end tests, shows the rest.
TEST_F(MainWindowTest, DroppedFileBecomesTheSayingsFile)
{
    m_window->Form_Load();
    const auto drop = [this](const QList<QUrl> &urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_window.get(), &dropped);
        QCoreApplication::sendPostedEvents();
        return true;
    };
    m_dir.write("dropped sayings.txt", "2\r\ndropped\r\n");
    const QUrl file = QUrl::fromLocalFile(QString::fromStdString(test::utf8(m_dir.path() / "dropped sayings.txt")));
    EXPECT_FALSE(drop({ QUrl(u"https://example.org/sayings.txt"_s) }));
    EXPECT_FALSE(drop({ QUrl::fromLocalFile(QString::fromStdString(test::utf8(m_dir.path()))) }));
    EXPECT_EQ(m_random.reseeds, 1);
    ASSERT_TRUE(drop({ file }));
    EXPECT_EQ(caption(), u"dropped"_s);
    m_dir.write("dropped sayings.txt", "2\r\nedited since\r\n");
    clickPicture();
    EXPECT_EQ(caption(), u"edited since"_s);
}

} // namespace
} // namespace jestrel
