#pragma once

namespace jestrel
{

// The slot a draw shows, for a count read from the file and a random unit with 0 <= unit < 1.
// Every saying of the file (slots 0 to count - 2) has the same chance; no other slot can come up.
int pickIndex(int count, float unit);

} // namespace jestrel
