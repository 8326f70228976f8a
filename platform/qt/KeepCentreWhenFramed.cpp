#include "platform/qt/KeepCentreWhenFramed.h"

#include "platform/qt/FrameExtents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <optional>

namespace jestrel
{

KeepCentreWhenFramed::KeepCentreWhenFramed(QWidget &window, QPoint centre, bool frameIsTold)
    : QObject(&window), m_window(window), m_centre(centre)
{
    if (frameIsTold)
        QCoreApplication::instance()->installNativeEventFilter(this);
    else
        window.installEventFilter(this);
}

KeepCentreWhenFramed::~KeepCentreWhenFramed()
{
    QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool KeepCentreWhenFramed::nativeEventFilter(const QByteArray &type, void *event, qintptr *)
{
    if (!m_framed && type == "xcb_generic_event_t") {
        if (const std::optional<QMargins> frame = frameToldBy(m_window, event))
            centreWithin(*frame);
    }
    return false;
}

bool KeepCentreWhenFramed::eventFilter(QObject *, QEvent *event)
{
    const bool placed = event->type() == QEvent::Paint || event->type() == QEvent::Move;
    const QRect client = m_window.geometry();
    const QRect framed = m_window.frameGeometry();
    if (!m_framed && placed && framed != client && framed.contains(client))
        centreWithin(QMargins(client.left() - framed.left(), client.top() - framed.top(),
                              framed.right() - client.right(), framed.bottom() - client.bottom()));
    return false;
}

void KeepCentreWhenFramed::centreWithin(QMargins frame)
{
    m_framed = true;
    m_window.removeEventFilter(this);
    // Moved once the event is handled: a window moved from inside its own paint is misplaced.
    QMetaObject::invokeMethod(
        this,
        [this, frame] {
            const QSize outer = m_window.size().grownBy(frame);
            const QPoint corner = m_centre - QPoint(outer.width() / 2, outer.height() / 2);
            m_window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window.size()));
            deleteLater();
        },
        Qt::QueuedConnection);
}

} // namespace jestrel
