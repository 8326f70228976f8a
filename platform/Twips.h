#pragma once

namespace jestrel
{

// Every place and size the windows are laid out in is in twips, 1440 to the logical inch. Each
// platform says how many of its pixels make an inch.
struct TwipsSize {
    float width = 0;
    float height = 0;
};

namespace twips
{

inline constexpr double kPerInch = 1440.0;

// To the nearest whole pixel.
int toPixels(double twips, double dotsPerInch);
float fromPixels(int pixels, double dotsPerInch);

} // namespace twips

} // namespace jestrel
