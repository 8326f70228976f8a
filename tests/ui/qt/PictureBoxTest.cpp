#include "ui/qt/PictureBox.h"
#include "resources/BullseyeRendering.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

// The tests' desktop (several-screens.json) has a screen at each scale from 1 to 2.
TEST(PictureBox, DrawsTheRingsAtEachScreensOwnPixels)
{
    for (QScreen *screen : QGuiApplication::screens()) {
        const qreal scale = screen->devicePixelRatio();
        SCOPED_TRACE(scale);
        PictureBox box;
        box.setScreen(screen);
        box.resize(33, 33);
        const QImage shown = box.grab().toImage().convertToFormat(QImage::Format_ARGB32);

        const int side = qRound(32 * scale);
        const int offset = static_cast<int>((33 * scale - side) / 2);
        const std::vector<std::uint32_t> rings = renderBullseye(side);
        int differing = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const std::uint32_t expected = rings[static_cast<std::size_t>(y * side + x)];
                if (expected != 0 && shown.pixel(offset + x, offset + y) != expected)
                    ++differing;
            }
        }
        EXPECT_EQ(differing, 0);
    }
}

} // namespace
} // namespace jestrel
