#include "platform/LineInput.h"
#include "platform/RuntimeFailure.h"
#include "sayings/SayingDraw.h"
#include "sayings/SayingTable.h"
#include "sayings/SayingsReader.h"
#include "sayings/TextDecoding.h"
#include "sayings/TextSource.h"
#include "support/MemorySource.h"

#include <cstdint>
#include <cstdlib>
#include <string>

// Any sayings file ends in a filled table and a drawn saying of the file, or in the run-time
// failure; anything else (a crash, a hang, a slot outside the sayings) is a finding.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The first three bytes stand for the random draw, the rest is the file.
    constexpr std::size_t kDrawBytes = 3;
    if (size < kDrawBytes)
        return 0;
    const auto bits = static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16);
    const float unit = static_cast<float>(bits) * 0x1p-24f;
    std::string file(reinterpret_cast<const char *>(data + kDrawBytes), size - kDrawBytes);

    jestrel::TextSource text(jestrel::test::memorySource(std::move(file), 4096));
    jestrel::LineInput input = text.lines("Jestrel.Ini", jestrel::kMaxSayingLineBytes);
    jestrel::SayingTable table;
    try {
        const int count = jestrel::readSayings(input, table);
        const int index = jestrel::pickIndex(count, unit);
        if (index < 0 || index > count - 2)
            std::abort();
        (void)jestrel::decodeLine(table.at(index));
    } catch (const jestrel::RuntimeFailure &) {
    }
    return 0;
}
