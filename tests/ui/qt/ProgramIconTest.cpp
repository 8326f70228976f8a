#include "ui/qt/ProgramIcon.h"
#include "resources/BullseyeRendering.h"
#include "support/QtPrinting.h"

#include <QImage>
#include <QPixmap>
#include <algorithm>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

QImage renderedImage(int size)
{
    const std::vector<std::uint32_t> pixels = renderBullseye(size);
    return QImage(reinterpret_cast<const uchar *>(pixels.data()), size, size, QImage::Format_ARGB32).copy();
}

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// What an X11 window gives its window manager before it maps: a title bar's sizes, up to twice scaled.
TEST(ProgramIcon, OffersTheTitleBarSizes)
{
    QList<QSize> sizes = programIcon().availableSizes();
    std::ranges::sort(sizes, [](QSize a, QSize b) { return a.width() < b.width(); });
    EXPECT_EQ(sizes, QList<QSize>({ { 16, 16 }, { 22, 22 }, { 24, 24 }, { 32, 32 }, { 48, 48 }, { 64, 64 } }));
}

TEST(ProgramIcon, ScaledDisplaysGetTheRingsDrawnAtTheirOwnPixels)
{
    const QIcon icon = programIcon();
    EXPECT_EQ(argb(icon.pixmap(QSize(32, 32), 1.0)), renderedImage(32));
    // A title bar of 32 logical pixels on a display scaled by 2 or 8.
    EXPECT_EQ(argb(icon.pixmap(QSize(32, 32), 2.0)), renderedImage(64));
    EXPECT_EQ(argb(icon.pixmap(QSize(32, 32), 8.0)), renderedImage(256));
    EXPECT_EQ(argb(icon.pixmap(QSize(16, 16), 1.0)), renderedImage(16));
}

} // namespace
} // namespace jestrel
