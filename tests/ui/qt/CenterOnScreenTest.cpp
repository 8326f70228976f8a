#include "platform/CenterOnScreen.h"
#include "platform/qt/WindowOperations.h"
#include "support/QtPrinting.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

// The tests' desktop (several-screens.json): the primary screen, 2560 × 1440 at 96 dpi, stands left of
// and above the others, at (-2560, -360).
TEST(CenterOnScreen, CentresOnThePrimaryScreenWhereverItStands)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(-2560, -360, 2560, 1440));
    QWidget window;
    window.setFixedSize(300, 120);
    QtWindow operations(window);
    CenterOnScreen(operations);
    // (2560 - 300) / 2 and (1440 - 120) / 2 pixels from the primary screen's corner.
    EXPECT_EQ(window.frameGeometry(), QRect(-2560 + 1130, -360 + 660, 300, 120));
}

} // namespace
} // namespace jestrel
