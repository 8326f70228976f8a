#pragma once

#include "sayings/SayingsFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace jestrel
{

class RandomSource;

inline constexpr std::string_view kPlaceholderCaption = "Insert Witty Message Here!";

// Where a draw puts its captions. A screen reader does not read a label whose text changes unless
// it has the focus, so the saying a draw shows is also announced, once, as it shows; the
// placeholder, which only stands in while the file is read, never is.
struct CaptionSink {
    std::function<void(const std::string &caption)> show;
    std::function<void(const std::string &caption)> announce = [](const std::string &) {};
};

// Announces each saying as it shows. The first draw comes before the window is presented, which a
// screen reader reads as the window is first activated; that saying is held until then, so that
// it follows the window.
class SayingAnnouncement
{
public:
    using Speak = std::function<void(const std::string &saying)>;
    explicit SayingAnnouncement(Speak speak) : m_speak(std::move(speak)) { }

    void announce(const std::string &saying);
    void windowPresented();

private:
    Speak m_speak;
    std::string m_held;
    bool m_activated = false;
};

// The slot a draw shows, for a count read from the file and a random unit with 0 <= unit < 1.
// Every saying of the file (slots 0 to count - 2) has the same chance; no other slot can come up.
int pickIndex(int count, float unit);

// One whole draw: a fresh table, a reseeded generator, the placeholder caption, a full reading of
// the sayings file, one pick and its saying as the caption, announced. Nothing is kept between
// draws. On a failure the placeholder is the last caption shown, and nothing is announced.
void drawSaying(RandomSource &random, const CaptionSink &captions, const SayingsFile &file = SayingsFile());

} // namespace jestrel
