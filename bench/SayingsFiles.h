#pragma once

#include <cstddef>
#include <string>

namespace jestrel::bench
{

enum class TextKind {
    Ascii,
    // English sayings with a few typographic quotes, dashes and accents in each line.
    Utf8,
    Windows1252,
    // A character in five beyond ASCII, for scale.
    Utf8Dense,
};

// Every line the benchmarks read is this long, its CR LF included.
inline constexpr std::size_t kLineBytes = 80;
// A full table: the count line and 1001 sayings.
inline constexpr int kFullCount = 1002;

// A sayings file's bytes: the count line, then count - 1 sayings of kLineBytes each, then
// extraLines more lines that a reading must never get to.
std::string sayingsFile(TextKind kind, int count, std::size_t extraLines = 0);

} // namespace jestrel::bench
