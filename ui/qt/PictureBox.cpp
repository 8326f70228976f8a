#include "ui/qt/PictureBox.h"

#include "platform/qt/Startup.h"
#include "ui/qt/ProgramIcon.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace jestrel
{

PictureBox::PictureBox(QWidget *parent) : QAbstractButton(parent) { }

void PictureBox::paintEvent(QPaintEvent *)
{
    // Called from the toolkit's own code, which a failure must not cross: it ends the program as
    // one in a handler does.
    runHandler([this] {
        QPainter painter(this);
        const qreal ratio = painter.device()->devicePixelRatioF();
        // Drawn again only when the box moves to a screen of another scale.
        if (m_picture.isNull() || m_picture.devicePixelRatio() != ratio)
            m_picture = programImage(ratio);
        // On whole display pixels: a picture between two would be smoothed.
        const auto centred
            = [ratio](int room, int picture) { return std::floor((room * ratio - picture) / 2) / ratio; };
        painter.drawImage(QPointF(centred(width(), m_picture.width()), centred(height(), m_picture.height())),
                          m_picture);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.backgroundColor = palette().color(QPalette::Window);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    });
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    // A button of its own, not the window's default, so Enter presses this one.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QAbstractButton::keyPressEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QAbstractButton::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

} // namespace jestrel
