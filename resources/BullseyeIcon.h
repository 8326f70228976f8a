#pragma once

#include <cstdint>
#include <vector>

namespace jestrel
{

// The program's one picture as a complete icon file of 766 bytes: one 32 × 32 image with 4 bits
// per pixel in the Windows palette and a transparency mask, drawn from the ring table.
std::vector<std::uint8_t> bullseyeIco();

} // namespace jestrel
