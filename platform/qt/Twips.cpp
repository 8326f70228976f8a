#include "platform/qt/Twips.h"

#include "platform/RuntimeFailure.h"

#include <QGuiApplication>
#include <QScreen>

namespace jestrel::twips
{

double dotsPerInch()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInch() <= 0)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot measure the screen: there is no display.");
    return screen->logicalDotsPerInch();
}

int toPixels(double twips)
{
    return toPixels(twips, dotsPerInch());
}

float fromPixels(int pixels)
{
    return fromPixels(pixels, dotsPerInch());
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace jestrel::twips
