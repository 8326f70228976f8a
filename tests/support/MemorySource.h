#pragma once

#include <algorithm>
#include <cstring>
#include <span>
#include <string>

namespace jestrel::test
{

// A LineInput source over bytes in memory that hands out at most step bytes per call, so that
// line ends fall across the boundaries of what one read returns.
inline auto memorySource(std::string bytes, std::size_t step = 1 << 20)
{
    return [bytes = std::move(bytes), step, offset = std::size_t { 0 }](std::span<char> buffer) mutable {
        const std::size_t count = std::min({ step, buffer.size(), bytes.size() - offset });
        std::memcpy(buffer.data(), bytes.data() + offset, count);
        offset += count;
        return count;
    };
}

} // namespace jestrel::test
