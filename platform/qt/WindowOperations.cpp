#include "platform/qt/WindowOperations.h"

#include "platform/qt/PrimaryScreen.h"
#include "platform/qt/Twips.h"

#include <QWidget>

namespace jestrel
{

namespace
{

TwipsSize inTwips(QSize pixels)
{
    return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
}

} // namespace

TwipsSize QtWindow::screenSize()
{
    return inTwips(screen().size());
}

TwipsSize QtWindow::outerSize()
{
    return inTwips(m_window.size().grownBy(m_frame.frame().value_or(QMargins())));
}

void QtWindow::move(int left, int top)
{
    m_frame.place(screen().topLeft() + QPoint(twips::toPixels(left), twips::toPixels(top)));
}

QRect QtWindow::screen()
{
    if (!m_screen)
        m_screen = primaryScreenGeometry();
    return *m_screen;
}

} // namespace jestrel
