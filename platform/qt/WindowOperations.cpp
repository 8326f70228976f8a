#include "platform/qt/WindowOperations.h"

#include "platform/qt/FrameExtents.h"
#include "platform/qt/KeepCentreWhenFramed.h"
#include "platform/qt/PrimaryScreen.h"
#include "platform/qt/Twips.h"

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
        new KeepCentreWhenFramed(m_window, QRect(corner, m_window.size()), m_beforeShowing->toldOnceShown);
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
    // Asking takes a round trip to the window manager, and a moment's wait the first time it would
    // not say; its answer holds for as long as the window stays unshown.
    if (!m_beforeShowing)
        m_beforeShowing = frameExtentsBeforeShowing(m_window);
    return m_beforeShowing->frame;
}

} // namespace jestrel
