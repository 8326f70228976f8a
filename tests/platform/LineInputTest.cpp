#include "platform/LineInput.h"
#include "platform/RuntimeFailure.h"
#include "support/MemorySource.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

std::vector<std::string> allLines(const std::string &bytes, std::size_t step, std::size_t maxLine = 1000)
{
    LineInput input("Jestrel.Ini", test::memorySource(bytes, step), maxLine);
    std::vector<std::string> lines;
    while (auto line = input.next())
        lines.emplace_back(*line);
    return lines;
}

TEST(LineInput, EndsLinesAtCrLfLfOrCrWhereverReadsSplitThem)
{
    const std::string text = "one\r\ntwo\nthree\rfour\r\rsix\n\nlast";
    const std::vector<std::string> expected { "one", "two", "three", "four", "", "six", "", "last" };
    for (const std::size_t step : { 1u, 2u, 3u, 5u, 64u }) {
        SCOPED_TRACE(step);
        EXPECT_EQ(allLines(text, step), expected);
    }
}

// Line ends are looked for many bytes at a time; other control bytes and bytes that only share
// their low bits with CR or LF must never end a line, wherever they stand.
TEST(LineInput, EndsLinesOnlyAtCrOrLfAmongAnyOtherBytes)
{
    const std::string others { '\0', '\t', '\x0B', '\x0C', '\x0E', '\x8A', '\x8D', '\xFF', ' ' };
    for (std::size_t at = 0; at <= 17; ++at) {
        for (const char other : others) {
            SCOPED_TRACE(testing::Message() << "at " << at << ", byte " << int(static_cast<unsigned char>(other)));
            std::string line(20, 'x');
            line[at] = other;
            for (const std::string_view end : { "\r\n", "\n", "\r" }) {
                const std::string text = std::string(at, 'y') + "\n" + line + std::string(end) + "after";
                EXPECT_EQ(allLines(text, 64), (std::vector<std::string> { std::string(at, 'y'), line, "after" }));
            }
        }
    }
}

TEST(LineInput, TerminatorAtEndAddsNoEmptyLine)
{
    EXPECT_EQ(allLines("a\r\n", 1), std::vector<std::string> { "a" });
    EXPECT_EQ(allLines("a\r", 1), std::vector<std::string> { "a" });
    EXPECT_TRUE(allLines("", 1).empty());
}

TEST(LineInput, CountsLinesFromOne)
{
    LineInput input("Jestrel.Ini", test::memorySource("a\nb\n"), 100);
    input.next();
    EXPECT_EQ(input.lineNumber(), 1);
    input.next();
    EXPECT_EQ(input.lineNumber(), 2);
    EXPECT_FALSE(input.next());
}

TEST(LineInput, LimitsLineLength)
{
    EXPECT_EQ(allLines(std::string(8, 'x') + "\n", 3, 8).front().size(), 8u);
    try {
        allLines("ok\n" + std::string(9, 'x') + "\n", 3, 8);
        FAIL() << "a 9-byte line passed an 8-byte limit";
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LineTooLong);
        EXPECT_STREQ(failure.what(), "Jestrel.Ini, line 2: the line is longer than 8 bytes.");
    }
}

TEST(LineInput, KeepsALineLongerThanOneReadWhole)
{
    const std::string longLine(200'000, 'x');
    EXPECT_EQ(allLines("first\r\n" + longLine + "\r\nlast", 4096, longLine.size()),
              (std::vector<std::string> { "first", longLine, "last" }));
}

TEST(LineInput, ReadsNoFurtherThanTheLinesAskedFor)
{
    std::size_t handedOut = 0;
    auto source = test::memorySource("first\n" + std::string(10 << 20, 'x'), 4096);
    const auto countingSource = [&](std::span<char> buffer) {
        const std::size_t count = source(buffer);
        handedOut += count;
        return count;
    };
    LineInput input("Jestrel.Ini", countingSource, 100);
    EXPECT_EQ(input.next(), "first");
    EXPECT_EQ(handedOut, 4096u);
}

} // namespace
} // namespace jestrel
