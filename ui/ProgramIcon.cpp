#include "ui/ProgramIcon.h"

#include "resources/BullseyeIcon.h"
#include "resources/IconDecoder.h"

#include <QImage>

namespace jestrel
{

QPixmap programPixmap()
{
    const DecodedIcon icon = decodeIco(bullseyeIco());
    const QImage image(reinterpret_cast<const uchar *>(icon.argb.data()), icon.width, icon.height,
                       QImage::Format_ARGB32);
    // The image only borrows the decoded pixels, which go with this function.
    return QPixmap::fromImage(image.copy());
}

QIcon programIcon()
{
    return QIcon(programPixmap());
}

} // namespace jestrel
