#include "ui/qt/ProgramIcon.h"

#include "platform/qt/Startup.h"
#include "resources/BullseyeRendering.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace jestrel
{

namespace
{

constexpr int kLargestTitleBarSide = 64;

// The bullseye side pixels wide, drawn from its rings; at 32 pixels that is the icon file's own image.
QImage bullseyeImage(int side)
{
    const std::vector<std::uint32_t> argb = renderBullseye(side);
    // A copy of the pixels, which go with the vector.
    return QImage(reinterpret_cast<const uchar *>(argb.data()), side, side, QImage::Format_ARGB32).copy();
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
    QImage image = bullseyeImage(static_cast<int>(std::lround(kIconSide * devicePixelRatio)));
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

QIcon programIcon()
{
    return QIcon(new BullseyeIconEngine);
}

} // namespace jestrel
