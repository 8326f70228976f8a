#include "ui/qt/ProgramIcon.h"

#include "platform/qt/Startup.h"
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
constexpr int kLargestTitleBarSide = 64;

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
        // Asked for by the toolkit's own code, which a failure must not cross: it ends the
        // program as one in a handler does.
        QPixmap drawn;
        runHandler([&] { drawn = QPixmap::fromImage(bullseyeImage(std::min(size.width(), size.height()))); });
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    // The sizes an X11 window hands its window manager when it is made, before it maps: a title bar's,
    // up to twice scaled. Sending the task switchers' 128 and 256 pixels as well took a fifth of the
    // time to the first showing; any size is drawn when asked for, and the desktop entry's theme
    // icon has them all.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : kBullseyeSizes) {
            if (side <= kLargestTitleBarSide)
                sizes.append(QSize(side, side));
        }
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
