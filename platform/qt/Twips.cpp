#include "platform/qt/Twips.h"

#include "platform/RuntimeFailure.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace jestrel::twips
{

double perPixel()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen || screen->logicalDotsPerInch() <= 0)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot measure the screen: there is no display.");
    return kPerInch / screen->logicalDotsPerInch();
}

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips / perPixel()));
}

float fromPixels(int pixels)
{
    return static_cast<float>(pixels * perPixel());
}

QRect toPixels(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace jestrel::twips
