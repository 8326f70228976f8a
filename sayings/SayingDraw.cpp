#include "sayings/SayingDraw.h"

#include "platform/InputFile.h"
#include "platform/LineInput.h"
#include "platform/RandomSource.h"
#include "sayings/SayingTable.h"
#include "sayings/SayingsReader.h"
#include "sayings/TextDecoding.h"
#include "sayings/TextSource.h"

#include <cmath>
#include <utility>

namespace jestrel
{

namespace
{

int readSayingsFile(const std::string &path, SayingTable &table)
{
    InputFile file(path);
    TextSource text([&file](std::span<char> buffer) { return file.read(buffer); });
    LineInput input = text.lines(path, kMaxSayingLineBytes);
    return readSayings(input, table);
}

} // namespace

void SayingAnnouncement::announce(const std::string &saying)
{
    if (m_activated)
        m_speak(saying);
    else
        m_held = saying;
}

void SayingAnnouncement::windowPresented()
{
    if (m_activated)
        return;
    m_activated = true;
    if (!m_held.empty())
        m_speak(std::exchange(m_held, std::string()));
}

int pickIndex(int count, float unit)
{
    // Double precision keeps (count - 1) * unit below count - 1 for the largest float below 1.
    return static_cast<int>(std::floor(static_cast<double>(count - 1) * static_cast<double>(unit)));
}

void drawSaying(RandomSource &random, const CaptionSink &captions, const SayingsFile &file)
{
    SayingTable table;
    random.reseed();
    captions.show(std::string(kPlaceholderCaption));
    const int count = readSayingsFile(file.path(), table);
    const std::string saying = captionText(table.at(pickIndex(count, random.next())));
    captions.show(saying);
    captions.announce(saying);
}

} // namespace jestrel
