#include "ui/ProgramIcon.h"

#include "resources/BullseyeIcon.h"
#include "resources/BullseyeRendering.h"
#include "resources/IconDecoder.h"

#include <QImage>

namespace jestrel
{

namespace
{

// The image only borrows the pixels, which go with the caller; the pixmap gets its own copy.
QPixmap pixmapOf(const std::vector<std::uint32_t> &argb, int width, int height)
{
    const QImage image(reinterpret_cast<const uchar *>(argb.data()), width, height, QImage::Format_ARGB32);
    return QPixmap::fromImage(image.copy());
}

} // namespace

QPixmap programPixmap()
{
    const DecodedIcon icon = decodeIco(bullseyeIco());
    return pixmapOf(icon.argb, icon.width, icon.height);
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
