#pragma once

#include <string>
#include <vector>

namespace jestrel
{

// The sayings of one draw, in slots 0 to 1000. Every access is checked: an index outside the
// table fails with SubscriptOutOfRange.
class SayingTable
{
public:
    static constexpr int kLowerBound = 0;
    static constexpr int kUpperBound = 1000;
    static constexpr int kSlotCount = kUpperBound - kLowerBound + 1;

    SayingTable();

    const std::string &at(int index) const;
    void set(int index, std::string saying);

private:
    static std::size_t checked(int index);

    std::vector<std::string> m_slots;
};

} // namespace jestrel
