#include "ui/qt/PictureBox.h"

#include "ui/qt/ProgramIcon.h"

#include <QPainter>
#include <cmath>

namespace jestrel
{

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal ratio = painter.device()->devicePixelRatioF();
    // Drawn again only when the box moves to a screen of another scale.
    if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio)
        m_picture = programImage(ratio);
    // On whole display pixels: a picture between two would be smoothed.
    const auto centred = [ratio](int room, int picture) { return std::floor((room * ratio - picture) / 2) / ratio; };
    painter.drawImage(QPointF(centred(width(), m_picture.width()), centred(height(), m_picture.height())), m_picture);
}

} // namespace jestrel
