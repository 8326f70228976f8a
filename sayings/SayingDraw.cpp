#include "sayings/SayingDraw.h"

#include "platform/InputFile.h"
#include "platform/LineInput.h"
#include "platform/RandomSource.h"
#include "sayings/SayingTable.h"
#include "sayings/SayingsReader.h"
#include "sayings/TextDecoding.h"
#include "sayings/TextSource.h"

#include <cmath>

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

int pickIndex(int count, float unit)
{
    // Double precision keeps (count - 1) * unit below count - 1 for the largest float below 1.
    return static_cast<int>(std::floor(static_cast<double>(count - 1) * static_cast<double>(unit)));
}

void drawSaying(RandomSource &random, const CaptionSink &setCaption, std::string path)
{
    SayingTable table;
    random.reseed();
    setCaption(std::string(kPlaceholderCaption));
    const int count = readSayingsFile(path, table);
    setCaption(captionText(table.at(pickIndex(count, random.next()))));
}

} // namespace jestrel
