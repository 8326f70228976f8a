#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace jestrel
{

// Icon files and Windows resources store every number least significant byte first.

inline void putU16(std::vector<std::uint8_t> &out, std::uint16_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void putU32(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    putU16(out, static_cast<std::uint16_t>(value));
    putU16(out, static_cast<std::uint16_t>(value >> 16));
}

// The caller has checked that the bytes reach offset + 2 or offset + 4.
inline std::uint16_t getU16(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

inline std::uint32_t getU32(std::span<const std::uint8_t> bytes, std::size_t offset)
{
    return getU16(bytes, offset) | static_cast<std::uint32_t>(getU16(bytes, offset + 2)) << 16;
}

} // namespace jestrel
