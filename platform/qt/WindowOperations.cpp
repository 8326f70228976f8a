#include "platform/qt/WindowOperations.h"

#include "platform/RuntimeFailure.h"
#include "platform/qt/FrameExtents.h"
#include "platform/qt/Twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace jestrel
{

namespace
{

const QScreen &primaryScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot read the screen's size: there is no display.");
    return *screen;
}

TwipsSize inTwips(QSize pixels)
{
    return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
}

bool hasShown(const QWidget &window)
{
    return window.windowHandle() && window.windowHandle()->isExposed();
}

// A window manager that would not say what frame it gives puts it round the window as it shows,
// and the frame grows right and down from where the window was placed. At the first paint the
// frame is there; the window moves back by half of it, once, so its centre stays where it was put.
class KeepCentreWhenFramed final : public QObject
{
    Q_OBJECT

public:
    explicit KeepCentreWhenFramed(QWidget &window) : QObject(&window), m_window(window), m_placedSize(window.size())
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const QSize growth = m_window.frameGeometry().size() - m_placedSize;
            if (!growth.isNull())
                m_window.move(m_window.frameGeometry().topLeft() - QPoint(growth.width() / 2, growth.height() / 2));
            m_window.removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget &m_window;
    QSize m_placedSize;
};

// The frame round the window, as the window system has it or, before the window first shows, as
// the window manager says it will be.
QMargins frameOf(QWidget &window)
{
    if (hasShown(window))
        return QMargins(window.geometry().left() - window.frameGeometry().left(),
                        window.geometry().top() - window.frameGeometry().top(),
                        window.frameGeometry().right() - window.geometry().right(),
                        window.frameGeometry().bottom() - window.geometry().bottom());
    if (const std::optional<QMargins> frame = frameExtentsBeforeShowing(window))
        return *frame;
    if (!window.findChild<KeepCentreWhenFramed *>(QString(), Qt::FindDirectChildrenOnly))
        new KeepCentreWhenFramed(window);
    return QMargins();
}

} // namespace

TwipsSize screenSize()
{
    return inTwips(primaryScreen().geometry().size());
}

TwipsSize outerSize(QWidget &window)
{
    return inTwips(window.size().grownBy(frameOf(window)));
}

void moveWindow(QWidget &window, int left, int top)
{
    const QPoint corner = primaryScreen().geometry().topLeft() + QPoint(twips::toPixels(left), twips::toPixels(top));
    const QMargins frame = frameOf(window);
    // The window itself goes inside its frame, and the window manager keeps it where it is put.
    window.setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), window.size()));
}

} // namespace jestrel

#include "WindowOperations.moc"
