#pragma once

#include <QRect>

namespace jestrel::twips
{

// 1440 twips to the logical inch of the primary screen: 15 to the pixel at 96 dpi.
inline constexpr double kPerInch = 1440.0;

double perPixel();
int toPixels(double twips);
float fromPixels(int pixels);
// A rectangle given in twips (left, top, width, height), in pixels.
QRect toPixels(int left, int top, int width, int height);

} // namespace jestrel::twips
