#pragma once

#include <cstddef>

namespace jestrel
{

class LineInput;
class SayingTable;

// The count on the first line counts the lines of the file, itself included.
inline constexpr int kMinSayingCount = 2;
inline constexpr int kMaxSayingCount = 1002;
inline constexpr std::size_t kMaxSayingLineBytes = 64 * 1024;

// Reads the count line and the count - 1 sayings after it into slots 0, 1, 2, ... of table, as
// the file has their bytes (only the one drawn needs decoding), and
// returns the count. Reads nothing past the last saying it needs. It opens no file and draws
// nothing; every fault in the text fails with a message naming the file and the line.
int readSayings(LineInput &input, SayingTable &table);

} // namespace jestrel
