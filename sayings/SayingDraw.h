#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace jestrel
{

class RandomSource;

inline constexpr std::string_view kSayingsFileName = "Jestrel.Ini";
inline constexpr std::string_view kPlaceholderCaption = "Insert Witty Message Here!";

using CaptionSink = std::function<void(const std::string &)>;

// The slot a draw shows, for a count read from the file and a random unit with 0 <= unit < 1.
// Every saying of the file (slots 0 to count - 2) has the same chance; no other slot can come up.
int pickIndex(int count, float unit);

// One whole draw: a fresh table, a reseeded generator, the placeholder caption, a full reading of
// the sayings file, one pick and its saying as the caption. Nothing is kept between draws. On a
// failure the placeholder is the last caption set.
void drawSaying(RandomSource &random, const CaptionSink &setCaption, std::string path = std::string(kSayingsFileName));

} // namespace jestrel
