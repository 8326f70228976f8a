#include "platform/CenterOnScreen.h"
#include "platform/qt/WindowOperations.h"
#include "support/QtPrinting.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

// The tests' desktop (several-screens.json): the primary screen, 2560 × 1440 at 96 dpi, stands left of
// and above the others, at (-2560, -360). No window manager frames the window there, so its frame
// watch is started by hand.
TEST(CenterOnScreen, CentresOnThePrimaryScreenAndEndsTheFrameWatchOnceShownPaintedOrNot)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(-2560, -360, 2560, 1440));
    QWidget window;
    window.setFixedSize(300, 120);
    QtWindow operations(window);
    CenterOnScreen(operations);
    // (2560 - 300) / 2 and (1440 - 120) / 2 pixels from the primary screen's corner.
    EXPECT_EQ(window.frameGeometry(), QRect(-2560 + 1130, -360 + 660, 300, 120));

    // A window that never paints, as one started minimised may not, still ends the watch for its
    // frame, and the application's event filter with it, once it has shown.
    FrameWatch::watch(window, window.geometry(), true);
    window.setUpdatesEnabled(false);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&window] { return window.children().isEmpty(); }, 3000));
}

} // namespace
} // namespace jestrel
