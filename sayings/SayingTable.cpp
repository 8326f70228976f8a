#include "sayings/SayingTable.h"

#include "platform/RuntimeFailure.h"

#include <cstring>
#include <string>

namespace jestrel
{

namespace
{

// Room for a small file's sayings; each later block is larger, so a full table takes a handful.
constexpr std::size_t kFirstBlockBytes = 16 * 1024;

} // namespace

SayingTable::SayingTable()
    : m_text(std::make_unique<std::pmr::monotonic_buffer_resource>(kFirstBlockBytes)), m_slots(kSlotCount)
{
}

std::size_t SayingTable::checked(int index)
{
    if (index < kLowerBound || index > kUpperBound) {
        throw RuntimeFailure(FailureKind::SubscriptOutOfRange,
                             "Saying number " + std::to_string(index) + " is outside the table of sayings (0 to "
                                 + std::to_string(kUpperBound) + ").");
    }
    return static_cast<std::size_t>(index - kLowerBound);
}

std::string_view SayingTable::at(int index) const
{
    return m_slots[checked(index)];
}

void SayingTable::set(int index, std::string_view saying)
{
    const std::size_t slot = checked(index);
    if (saying.empty()) {
        m_slots[slot] = {};
        return;
    }
    auto *copy = static_cast<char *>(m_text->allocate(saying.size(), 1));
    std::memcpy(copy, saying.data(), saying.size());
    m_slots[slot] = std::string_view(copy, saying.size());
}

} // namespace jestrel
