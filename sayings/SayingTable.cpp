#include "sayings/SayingTable.h"

#include "platform/RuntimeFailure.h"

namespace jestrel
{

SayingTable::SayingTable() : m_slots(kSlotCount) { }

std::size_t SayingTable::checked(int index)
{
    if (index < kLowerBound || index > kUpperBound) {
        throw RuntimeFailure(FailureKind::SubscriptOutOfRange,
                             "Saying number " + std::to_string(index) + " is outside the table of sayings (0 to "
                                 + std::to_string(kUpperBound) + ").");
    }
    return static_cast<std::size_t>(index - kLowerBound);
}

const std::string &SayingTable::at(int index) const
{
    return m_slots[checked(index)];
}

void SayingTable::set(int index, std::string saying)
{
    m_slots[checked(index)] = std::move(saying);
}

} // namespace jestrel
