#pragma once

#include <random>

namespace jestrel
{

// The generator every draw uses. Forms hold a reference, so tests can feed exact values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseed() = 0;
    // A value r with 0 <= r < 1.
    virtual float next() = 0;
};

// Reseeded from the high-resolution clock on every reseed().
class ClockRandom final : public RandomSource
{
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace jestrel
