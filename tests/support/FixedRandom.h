#pragma once

#include "platform/RandomSource.h"

#include <deque>

namespace jestrel::test
{

// Hands out the values it is given, in order, then the last one again.
class FixedRandom final : public RandomSource
{
public:
    explicit FixedRandom(std::deque<float> values) : m_values(std::move(values)) { }

    void reseed() override { ++reseeds; }
    float next() override
    {
        const float value = m_values.front();
        if (m_values.size() > 1)
            m_values.pop_front();
        return value;
    }

    int reseeds = 0;

private:
    std::deque<float> m_values;
};

} // namespace jestrel::test
