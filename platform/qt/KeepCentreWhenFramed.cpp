#include "platform/qt/KeepCentreWhenFramed.h"

#include "platform/qt/FrameExtents.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <optional>

namespace jestrel
{

namespace
{

// Window managers frame a window as it maps. A frame told later comes with a new theme or border
// size, once the user has seen where the window is and may have moved it: it moves nothing.
constexpr auto kWatchOnceShown = std::chrono::seconds(1);

} // namespace

KeepCentreWhenFramed::KeepCentreWhenFramed(QWidget &window, QRect placed, bool frameIsTold)
    : QObject(&window), m_window(window), m_placed(placed), m_frameIsTold(frameIsTold)
{
    window.installEventFilter(this);
    if (frameIsTold)
        QCoreApplication::instance()->installNativeEventFilter(this);
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
    if (m_framed || (event->type() != QEvent::Paint && event->type() != QEvent::Move))
        return false;
    // The first paint follows the map.
    if (event->type() == QEvent::Paint && !m_shownAt) {
        m_shownAt = m_window.geometry().topLeft();
        QTimer::singleShot(kWatchOnceShown, this, &QObject::deleteLater);
    }
    const QRect client = m_window.geometry();
    const QRect framed = m_window.frameGeometry();
    if (!m_frameIsTold && framed != client && framed.contains(client))
        centreWithin(QMargins(client.left() - framed.left(), client.top() - framed.top(),
                              framed.right() - client.right(), framed.bottom() - client.bottom()));
    return false;
}

void KeepCentreWhenFramed::centreWithin(QMargins frame)
{
    m_framed = true;
    // Moved once the event is handled: a window moved from inside its own paint is misplaced. By
    // then the toolkit has taken in every move that came before the frame.
    QMetaObject::invokeMethod(
        this,
        [this, frame] {
            if (!movedByUser(frame)) {
                const QSize outer = m_window.size().grownBy(frame);
                const QPoint corner = m_placed.center() - QPoint(outer.width() / 2, outer.height() / 2);
                m_window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), m_window.size()));
            }
            deleteLater();
        },
        Qt::QueuedConnection);
}

// Before the window shows, its window manager may place it anywhere, and as it frames the window
// it shifts it by as much as the frame; the centring mends both. The user, or the window manager
// on the user's behalf, moves a window that shows, and farther.
bool KeepCentreWhenFramed::movedByUser(QMargins frame) const
{
    const QPoint at = m_window.geometry().topLeft();
    const auto withinFrameOf = [&](QPoint from) {
        return std::abs(at.x() - from.x()) <= std::max(frame.left(), frame.right())
            && std::abs(at.y() - from.y()) <= std::max(frame.top(), frame.bottom());
    };
    return m_shownAt && !withinFrameOf(m_placed.topLeft()) && !withinFrameOf(*m_shownAt);
}

} // namespace jestrel
