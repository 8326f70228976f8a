#include "sayings/Draw.h"

#include <cmath>

namespace jestrel
{

int pickIndex(int count, float unit)
{
    // Double precision keeps (count - 1) * unit below count - 1 for the largest float below 1.
    return static_cast<int>(std::floor(static_cast<double>(count - 1) * static_cast<double>(unit)));
}

} // namespace jestrel
