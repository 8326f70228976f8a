#include "ui/ProgramIcon.h"

#include "resources/BullseyeIcon.h"
#include "resources/BullseyeRendering.h"
#include "resources/IconDecoder.h"

#include <QImage>

namespace jestrel
{

namespace
{

// A copy of the pixels, which go with the caller.
QImage imageOf(const std::vector<std::uint32_t> &argb, int width, int height)
{
    return QImage(reinterpret_cast<const uchar *>(argb.data()), width, height, QImage::Format_ARGB32).copy();
}

QPixmap pixmapOf(const std::vector<std::uint32_t> &argb, int width, int height)
{
    return QPixmap::fromImage(imageOf(argb, width, height));
}

} // namespace

QPixmap programPixmap()
{
    // Both the window icon and the icon box need it at start-up: decoded once. An image, unlike a
    // pixmap, may outlive the toolkit.
    static const QImage iconFileImage = [] {
        const DecodedIcon icon = decodeIco(bullseyeIco());
        return imageOf(icon.argb, icon.width, icon.height);
    }();
    return QPixmap::fromImage(iconFileImage);
}

QIcon programIcon()
{
    const QPixmap iconFileImage = programPixmap();
    QIcon icon(iconFileImage);
    for (const int size : kBullseyeSizes) {
        // The icon file's own image stands for its size; the other sizes are drawn from the rings.
        if (size != iconFileImage.width())
            icon.addPixmap(pixmapOf(renderBullseye(size), size, size));
    }
    return icon;
}

} // namespace jestrel
