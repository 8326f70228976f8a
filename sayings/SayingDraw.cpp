#include "sayings/SayingDraw.h"

#include "platform/InputFile.h"
#include "platform/LineInput.h"
#include "platform/RandomSource.h"
#include "sayings/Draw.h"
#include "sayings/SayingTable.h"
#include "sayings/SayingsReader.h"
#include "sayings/TextDecoding.h"

namespace jestrel
{

namespace
{

int readSayingsFile(const std::string &path, SayingTable &table)
{
    InputFile file(path);
    LineInput input(
        path, [&file](std::span<char> buffer) { return file.read(buffer); }, kMaxSayingLineBytes);
    return readSayings(input, table);
}

} // namespace

void drawSaying(RandomSource &random, const CaptionSink &setCaption, std::string path)
{
    SayingTable table;
    random.reseed();
    setCaption(std::string(kPlaceholderCaption));
    const int count = readSayingsFile(path, table);
    setCaption(decodeLine(table.at(pickIndex(count, random.next()))));
}

} // namespace jestrel
