#include "ui/qt/ProgramIcon.h"

#include "resources/BullseyeIcon.h"
#include "resources/BullseyeRendering.h"
#include "resources/IconDecoder.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace jestrel
{

namespace
{

constexpr int kIconFileSide = 32;

// A copy of the pixels, which go with the caller.
QImage imageOf(const std::vector<std::uint32_t> &argb, int width, int height)
{
    return QImage(reinterpret_cast<const uchar *>(argb.data()), width, height, QImage::Format_ARGB32).copy();
}

// The bullseye side pixels wide: the icon file's own image at its size, drawn from the rings at any other.
QImage bullseyeImage(int side)
{
    if (side != kIconFileSide)
        return imageOf(renderBullseye(side), side, side);
    // Decoded once. An image, unlike a pixmap, may outlive the toolkit.
    static const QImage iconFileImage = [] {
        const DecodedIcon icon = decodeIco(bullseyeIco());
        return imageOf(icon.argb, icon.width, icon.height);
    }();
    return iconFileImage;
}

class BullseyeIconEngine final : public QIconEngine
{
public:
    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(bullseyeImage(std::min(size.width(), size.height())));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kBullseyeSizes)
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new BullseyeIconEngine; }
};

} // namespace

QImage programImage(qreal devicePixelRatio)
{
    QImage image = bullseyeImage(static_cast<int>(std::lround(kIconFileSide * devicePixelRatio)));
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QIcon programIcon()
{
    return QIcon(new BullseyeIconEngine);
}

} // namespace jestrel
