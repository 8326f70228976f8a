#include "platform/RandomSource.h"

#include <chrono>

namespace jestrel
{

void ClockRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed { static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32) };
    m_engine.seed(seed);
}

float ClockRandom::next()
{
    // 24 random bits fill a float's mantissa exactly, so the largest value is 1 - 2^-24. The
    // standard float distributions can round up to 1.0, which would index past the sayings.
    return static_cast<float>(m_engine() >> 8) * 0x1p-24f;
}

} // namespace jestrel
