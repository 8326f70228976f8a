#pragma once

#include "platform/Twips.h"

#include <QRect>

namespace jestrel::twips
{

// Twips at the primary screen's logical pixels per inch: 15 to the pixel at 96.
double dotsPerInch();
int toPixels(double twips);
float fromPixels(int pixels);
// A rectangle given in twips (left, top, width, height), in pixels.
QRect toPixels(int left, int top, int width, int height);

} // namespace jestrel::twips
