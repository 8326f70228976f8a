#include "resources/BullseyeIcon.h"
#include "resources/BullseyeRendering.h"
#include "support/IconPixels.h"

#include <QFile>
#include <QImage>
#include <QString>
#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace jestrel
{
namespace
{

// The sizes a desktop install promises, written out here rather than taken from the code.
constexpr std::array kSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

QString iconPath(const QString &folder, const QString &file)
{
    return QString::fromUtf8(JESTREL_STAGED_ICON_THEME) + u'/' + folder + u"/apps/"_s + file;
}

QImage installedPng(int size)
{
    const QString folder = QString::number(size) + u'x' + QString::number(size);
    return QImage(iconPath(folder, u"jestrel.png"_s)).convertToFormat(QImage::Format_ARGB32);
}

std::vector<std::uint32_t> pixelsOf(const QImage &image)
{
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        pixels.insert(pixels.end(), line, line + image.width());
    }
    return pixels;
}

TEST(InstalledIcons, AreSharpAndTransparentOutsideTheRim)
{
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        const QImage image = installedPng(size);
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), QSize(size, size));
        const double radius = size / 2.0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                const bool beyondRim = std::hypot(x + 0.5 - radius, y + 0.5 - radius) >= radius;
                ASSERT_EQ(alpha, beyondRim ? 0 : 255) << "pixel " << x << ", " << y;
            }
        }
    }
}

TEST(InstalledIcons, ThirtyTwoPixelsAreTheIconFileImage)
{
    EXPECT_EQ(pixelsOf(installedPng(32)), test::iconPixels(bullseyeIco()));
}

TEST(InstalledIcons, AreTheProgramsOwnDrawings)
{
    for (const int size : kSizes) {
        SCOPED_TRACE(size);
        EXPECT_EQ(pixelsOf(installedPng(size)), renderBullseye(size));
    }
    QFile svg(iconPath(u"scalable"_s, u"jestrel.svg"_s));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_EQ(svg.readAll().toStdString(), bullseyeSvg());
}

} // namespace
} // namespace jestrel
