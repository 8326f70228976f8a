#include "platform/qt/WindowOperations.h"

#include "platform/qt/FrameExtents.h"
#include "platform/qt/PrimaryScreen.h"
#include "platform/qt/Twips.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace jestrel
{

namespace
{

TwipsSize inTwips(QSize pixels)
{
    return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
}

bool hasShown(const QWidget &window)
{
    return window.windowHandle() && window.windowHandle()->isExposed();
}

// A window manager that would not say what frame it gives puts it round the window only as the
// window shows. Once the frame is there, the whole window moves, once, so that its centre is where
// the centre of the window placed without a frame was. Where the window manager tells the frame
// in _NET_FRAME_EXTENTS, that is the word waited for: the toolkit's own reading of the frame just
// after the window maps may be of one still being built round it, or of none, as under KWin.
class KeepCentreWhenFramed final : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    KeepCentreWhenFramed(QWidget &window, QPoint centre, bool frameIsTold)
        : QObject(&window), m_window(window), m_centre(centre)
    {
        if (frameIsTold)
            QCoreApplication::instance()->installNativeEventFilter(this);
        else
            window.installEventFilter(this);
    }
    ~KeepCentreWhenFramed() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray &type, void *event, qintptr *) override
    {
        if (!m_framed && type == "xcb_generic_event_t") {
            if (const std::optional<QMargins> frame = frameToldBy(m_window, event))
                centreWithin(*frame);
        }
        return false;
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool placed = event->type() == QEvent::Paint || event->type() == QEvent::Move;
        const QRect client = m_window.geometry();
        const QRect framed = m_window.frameGeometry();
        if (!m_framed && placed && framed != client && framed.contains(client))
            centreWithin(QMargins(client.left() - framed.left(), client.top() - framed.top(),
                                  framed.right() - client.right(), framed.bottom() - client.bottom()));
        return false;
    }

private:
    void centreWithin(QMargins frame)
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

    QWidget &m_window;
    QPoint m_centre;
    bool m_framed = false;
};

} // namespace

TwipsSize QtWindow::screenSize()
{
    return inTwips(screen().size());
}

TwipsSize QtWindow::outerSize()
{
    return inTwips(m_window.size().grownBy(frame().value_or(QMargins())));
}

void QtWindow::move(int left, int top)
{
    const QPoint corner = screen().topLeft() + QPoint(twips::toPixels(left), twips::toPixels(top));
    const std::optional<QMargins> known = frame();
    if (!known && !m_window.findChild<KeepCentreWhenFramed *>(QString(), Qt::FindDirectChildrenOnly))
        new KeepCentreWhenFramed(m_window, QRect(corner, m_window.size()).center(), m_beforeShowing->toldOnceShown);
    // The window itself goes inside its frame, and the window manager keeps it where it is put.
    const QMargins margins = known.value_or(QMargins());
    m_window.setGeometry(QRect(corner + QPoint(margins.left(), margins.top()), m_window.size()));
}

QRect QtWindow::screen()
{
    if (!m_screen)
        m_screen = primaryScreenGeometry();
    return *m_screen;
}

// The frame round the window, as the window system has it or, before the window first shows, as
// the window manager says it will be.
std::optional<QMargins> QtWindow::frame()
{
    if (hasShown(m_window))
        return QMargins(m_window.geometry().left() - m_window.frameGeometry().left(),
                        m_window.geometry().top() - m_window.frameGeometry().top(),
                        m_window.frameGeometry().right() - m_window.geometry().right(),
                        m_window.frameGeometry().bottom() - m_window.geometry().bottom());
    // Asking takes a round trip to the window manager, and up to a quarter of a second when it
    // would not say; its answer holds for as long as the window stays unshown.
    if (!m_beforeShowing)
        m_beforeShowing = frameExtentsBeforeShowing(m_window);
    return m_beforeShowing->frame;
}

} // namespace jestrel

#include "WindowOperations.moc"
