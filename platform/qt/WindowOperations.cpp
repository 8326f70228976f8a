#include "platform/WindowOperations.h"

#include "platform/RuntimeFailure.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace jestrel
{

TwipsSize screenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot read the screen's size: there is no display.");
    const QSize pixels = screen->geometry().size();
    return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
}

TwipsSize outerSize(const QWidget &window)
{
    const QSize pixels = window.frameGeometry().size();
    return { twips::fromPixels(pixels.width()), twips::fromPixels(pixels.height()) };
}

void moveWindow(QWidget &window, int left, int top)
{
    // QWidget::move() places the frame's corner, as a window's Move does.
    window.move(twips::toPixels(left), twips::toPixels(top));
}

} // namespace jestrel
