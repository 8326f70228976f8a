#include "platform/Twips.h"

#include <cmath>

namespace jestrel::twips
{

int toPixels(double twips, double dotsPerInch)
{
    return static_cast<int>(std::lround(twips * dotsPerInch / kPerInch));
}

float fromPixels(int pixels, double dotsPerInch)
{
    return static_cast<float>(pixels * kPerInch / dotsPerInch);
}

} // namespace jestrel::twips
