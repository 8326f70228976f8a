#pragma once

#include <memory>
#include <memory_resource>
#include <string_view>
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

    // Valid for as long as the table lives.
    std::string_view at(int index) const;
    // The table keeps its own copy of saying.
    void set(int index, std::string_view saying);

private:
    static std::size_t checked(int index);

    // Every draw fills a fresh table and drops it whole, so the sayings' bytes share a few large
    // blocks that go with the table; one allocation per saying would cost more than the reading.
    std::unique_ptr<std::pmr::monotonic_buffer_resource> m_text;
    std::vector<std::string_view> m_slots;
};

} // namespace jestrel
