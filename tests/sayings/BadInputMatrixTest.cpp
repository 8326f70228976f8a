#include "platform/RuntimeFailure.h"
#include "sayings/SayingDraw.h"
#include "support/FixedRandom.h"
#include "support/TempDir.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

#ifdef _WIN32
#include <windows.h>

#include <psapi.h>
#else
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace jestrel
{
namespace
{

using namespace std::literals;

constexpr float kLast = 0x1.fffffep-1f;

// One sayings file (or something in its place) and what a draw from it shows or fails with.
struct Row {
    const char *name;
    std::function<void(const test::TempDir &)> make;
    // For a file that reads: the caption each unit draws.
    std::vector<std::pair<float, std::string>> captions;
    // For one that fails: words of the message, where <folder> stands for the folder the file
    // is in, and the line it names (0: none).
    std::string fault;
    int line = 0;
    // Part of the name of the folder the file is in.
    std::u8string_view folder = u8"";
};

auto file(std::string bytes)
{
    return [bytes = std::move(bytes)](const test::TempDir &dir) { dir.write("Jestrel.Ini", bytes); };
}

std::string path(const test::TempDir &dir)
{
    return test::utf8(dir.path() / "Jestrel.Ini");
}

// The outcome of one draw: the last caption set, and the failure's message if there was one.
std::pair<std::string, std::optional<std::string>> draw(const test::TempDir &dir, float unit)
{
    test::FixedRandom random({ unit });
    std::string caption;
    try {
        drawSaying(random, { [&](const std::string &text) { caption = text; } }, SayingsFile(path(dir)));
    } catch (const RuntimeFailure &failure) {
        return { caption, failure.what() };
    }
    return { caption, std::nullopt };
}

long peakResidentKiB()
{
#ifdef _WIN32
    PROCESS_MEMORY_COUNTERS counters {};
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<long>(counters.PeakWorkingSetSize / 1024);
#else
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
#endif
}

std::vector<Row> rows()
{
    const auto count = [](const char *text) { return file(text + "\r\nsaying\r\n"s + "more\r\n"); };
    const auto nothing = [](const test::TempDir &) {};
    const auto repeated = [](std::string_view text, std::size_t times) {
        std::string bytes;
        while (times-- > 0)
            bytes += text;
        return bytes;
    };
    return {
        { "missing", nothing, {}, "there is no such file in <folder>." },
        { "missing, from a folder named ü€中", nothing, {}, "there is no such file in <folder>.", 0, u8"ü€中" },
        { "in a folder named ü€中", file("2\r\nhere\r\n"), { { 0.0f, "here" } }, "", 0, u8"ü€中" },
        { "folder",
          [](const test::TempDir &dir) { std::filesystem::create_directory(dir.path() / "Jestrel.Ini"); },
          {},
          "it is a folder, not a text file." },
#ifndef _WIN32
        { "FIFO",
          [](const test::TempDir &dir) { ASSERT_EQ(::mkfifo(path(dir).c_str(), 0600), 0); },
          {},
          "it is a pipe, not a text file." },
        { "link to /dev/zero",
          [](const test::TempDir &dir) { std::filesystem::create_symlink("/dev/zero", path(dir)); },
          {},
          "it is a device, not a text file." },
#endif
        { "empty", file(""), {}, "the file is empty", 1 },
        { "a UTF-8 byte-order mark alone", file("\xEF\xBB\xBF"), {}, "the count \"\" is not a number", 1 },
        { "a UTF-16 byte-order mark alone", file("\xFF\xFE"), {}, "the count \"\" is not a number", 1 },
        { "count only", file("3\r\n"), {}, "ends after line 1, but the count on line 1 promises 3 lines." },
        { "count with NUL bytes", file("3\0\0\r\na\r\nb\r\n"s), {}, "UTF-16 without a byte-order mark", 1 },
        { "UTF-16 LE, NUL in its count", file("\xFF\xFE\x32\0\0\0\n\0a\0"s), {}, "count \"2?\" is not a number", 1 },
        { "UTF-32 LE with its mark", file("\xFF\xFE\0\0\x32\0\0\0\n\0\0\0a\0\0\0"s), {}, "the file is UTF-32", 1 },
        { "UTF-32 BE with its mark", file("\0\0\xFE\xFF\0\0\0\x32\0\0\0\n\0\0\0a"s), {}, "the file is UTF-32", 1 },
        { "UTF-32 LE", file("2\0\0\0\n\0\0\0a\0\0\0"s), {}, "seems to be UTF-32", 1 },
        { "UTF-16 LE ending in half a character",
          file("\xFF\xFE"
               "3\0\n\0a\0\n\0b\0x"s),
          {},
          "the file ends in the middle of a UTF-16 character",
          3 },
        { "saying with NUL bytes", file("2\r\na\0b\r\n"s), { { 0.0f, "a\uFFFDb" } }, "" },
        { "invalid UTF-8 read as Windows-1252",
          file("2\r\ncaf\xE9 \x80\r\n"),
          { { 0.0f, "caf\xC3\xA9 \xE2\x82\xAC" } },
          "" },
        { "CR, LF and CRLF mixed",
          file("4\nlf\rcr\r\ncrlf"),
          { { 0.0f, "lf" }, { 0.5f, "cr" }, { kLast, "crlf" } },
          "" },
        { "line of 64 KiB + 1",
          file("2\r\n" + std::string(64 * 1024 + 1, 'x') + "\r\n"),
          {},
          "the line is longer than 65536 bytes.",
          2 },
        // The limit counts the file's bytes: two for each of these characters, which UTF-8 writes in three.
        { "UTF-16 line of 64 KiB of CJK",
          file("\xFF\xFE\x32\0\n\0"s + repeated("\xE5\x65", 32 * 1024)),
          { { 0.0f, repeated("\xE6\x97\xA5", 32 * 1024) } },
          "" },
        { "UTF-16 line of 64 KiB + 2",
          file("\xFF\xFE\x32\0\n\0"s + repeated("x\0"sv, 32 * 1024 + 1)),
          {},
          "the line is longer than 65536 bytes.",
          2 },
        { "count 99999999999999999999", count("99999999999999999999"), {}, "is out of range", 1 },
        { "count -3", count("-3"), {}, "is out of range", 1 },
        { "count 0", count("0"), {}, "is out of range", 1 },
        { "count 1", count("1"), {}, "is out of range", 1 },
        { "count 1003", count("1003"), {}, "is out of range", 1 },
        { "count 1e3", count("1e3"), {}, "is not a number", 1 },
        { "count 0x10", count("0x10"), {}, "is not a number", 1 },
    };
}

TEST(BadInputMatrix, EveryFileDrawsASayingOrFailsNamingTheFileAndLine)
{
    for (const Row &row : rows()) {
        SCOPED_TRACE(row.name);
        test::TempDir dir(row.folder);
        row.make(dir);
        if (!row.captions.empty()) {
            for (const auto &[unit, expected] : row.captions) {
                const auto [caption, failure] = draw(dir, unit);
                EXPECT_FALSE(failure) << *failure;
                EXPECT_EQ(caption, expected);
            }
            continue;
        }
        const auto [caption, failure] = draw(dir, 0.0f);
        ASSERT_TRUE(failure) << "drew " << caption;
        EXPECT_EQ(caption, "Insert Witty Message Here!");
        EXPECT_NE(failure->find(path(dir)), std::string::npos) << *failure;
        std::string fault = row.fault;
        if (const auto folder = fault.find("<folder>"); folder != std::string::npos)
            fault.replace(folder, 8, test::utf8(dir.path()));
        EXPECT_NE(failure->find(fault), std::string::npos) << *failure;
        if (row.line) {
            EXPECT_NE(failure->find(", line " + std::to_string(row.line) + ": "), std::string::npos) << *failure;
        }
    }
}

#ifndef _WIN32
TEST(BadInputMatrix, UnreadableFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every file";
    test::TempDir dir;
    dir.write("Jestrel.Ini", "2\r\nsecret\r\n");
    std::filesystem::permissions(path(dir), std::filesystem::perms::none);
    const auto [caption, failure] = draw(dir, 0.0f);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, "Cannot open " + path(dir) + ": permission denied.");
}
#endif

TEST(BadInputMatrix, HugeFileReadsOnlyTheLinesItNeeds)
{
    test::TempDir dir;
    const auto file = dir.write("Jestrel.Ini", "3\r\nfirst\r\nsecond\r\n");
    // 100 MB of NUL bytes behind the sayings, without a line break, so reading any of it would fail
    // or show. Extending the file leaves a hole that costs neither disk space nor time to write.
    std::filesystem::resize_file(file, std::filesystem::file_size(file) + (100u << 20));

    const long before = peakResidentKiB();
    EXPECT_EQ(draw(dir, 0.0f), std::make_pair("first"s, std::optional<std::string>()));
    EXPECT_EQ(draw(dir, kLast), std::make_pair("second"s, std::optional<std::string>()));
    EXPECT_LT(peakResidentKiB() - before, 8 * 1024);
}

TEST(BadInputMatrix, FileReplacedBetweenDraws)
{
    test::TempDir dir;
    dir.write("Jestrel.Ini", "2\r\nold\r\n");
    EXPECT_EQ(draw(dir, 0.0f).first, "old");
    // Editors save by writing a new file and renaming it over the old one.
    dir.write("Jestrel.Ini.new", "3\r\nnew\r\nnewer\r\n");
    std::filesystem::rename(dir.path() / "Jestrel.Ini.new", path(dir));
    EXPECT_EQ(draw(dir, kLast).first, "newer");
}

} // namespace
} // namespace jestrel
