#include "sayings/SayingsReader.h"
#include "platform/LineInput.h"
#include "platform/RuntimeFailure.h"
#include "sayings/SayingTable.h"
#include "sayings/TextSource.h"
#include "support/MemorySource.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

struct Reading {
    int count = 0;
    SayingTable table;
};

// Read as the program reads a file, through its text source.
Reading read(const std::string &text)
{
    TextSource source(test::memorySource(text, 7));
    LineInput input = source.lines("Jestrel.Ini", kMaxSayingLineBytes);
    Reading reading;
    reading.count = readSayings(input, reading.table);
    return reading;
}

RuntimeFailure readFailure(const std::string &text)
{
    try {
        read(text);
    } catch (const RuntimeFailure &failure) {
        return failure;
    }
    ADD_FAILURE() << "read without failure: " << testing::PrintToString(text.substr(0, 40));
    return RuntimeFailure(FailureKind::WindowOperation, "");
}

std::string numbered(int count, int lines)
{
    std::string text = std::to_string(count) + "\r\n";
    for (int i = 1; i <= lines; ++i)
        text += "saying " + std::to_string(i) + "\r\n";
    return text;
}

TEST(ReadSayings, CountTwoReadsOneSaying)
{
    const Reading reading = read("2\r\nOnly this\r\nnot this\r\n");
    EXPECT_EQ(reading.count, 2);
    EXPECT_EQ(reading.table.at(0), "Only this");
    EXPECT_EQ(reading.table.at(1), "");
}

TEST(ReadSayings, LargestCountFillsEverySlot)
{
    const Reading reading = read(numbered(1002, 1001));
    EXPECT_EQ(reading.table.at(0), "saying 1");
    EXPECT_EQ(reading.table.at(1000), "saying 1001");
}

TEST(ReadSayings, IgnoresLinesPastTheCount)
{
    const Reading reading = read(numbered(4, 9));
    EXPECT_EQ(reading.table.at(2), "saying 3");
    EXPECT_EQ(reading.table.at(3), "");
}

TEST(ReadSayings, KeepsEmptySayings)
{
    const Reading reading = read("4\r\n\r\nmiddle\r\n\r\n");
    EXPECT_EQ(reading.table.at(0), "");
    EXPECT_EQ(reading.table.at(1), "middle");
    EXPECT_EQ(reading.table.at(2), "");
}

TEST(ReadSayings, AcceptsCountsWrittenAsWholeDecimals)
{
    for (const char *count : { "  7 ", "\t7", "+7", "7.0", "7.", "0007", "7.000" }) {
        SCOPED_TRACE(count);
        EXPECT_EQ(read(std::string(count) + "\n" + numbered(0, 6).substr(3)).count, 7);
    }
}

TEST(ReadSayings, RejectsCountsThatAreNotWholeNumbersInRange)
{
    struct Case {
        const char *count;
        FailureKind kind;
        const char *message;
    };
    const Case cases[] = {
        { "abc", FailureKind::TypeMismatch,
          "Jestrel.Ini, line 1: the count \"abc\" is not a number; the first line must hold the number of lines in the "
          "file." },
        { "", FailureKind::TypeMismatch,
          "Jestrel.Ini, line 1: the count \"\" is not a number; the first line must hold the number of lines in the "
          "file." },
        { "1e3", FailureKind::TypeMismatch, nullptr },
        { "0x10", FailureKind::TypeMismatch, nullptr },
        { "7 7", FailureKind::TypeMismatch, nullptr },
        { ".", FailureKind::TypeMismatch, nullptr },
        { "7,0", FailureKind::TypeMismatch, nullptr },
        { "7.5", FailureKind::TypeMismatch, "Jestrel.Ini, line 1: the count \"7.5\" is not a whole number." },
        { "1", FailureKind::SubscriptOutOfRange,
          "Jestrel.Ini, line 1: the count \"1\" is out of range; it counts the lines of the file, this one included, "
          "and must lie between 2 and 1002." },
        { "0", FailureKind::SubscriptOutOfRange, nullptr },
        { "-3", FailureKind::SubscriptOutOfRange, nullptr },
        { "1003", FailureKind::SubscriptOutOfRange, nullptr },
        { "99999999999999999999", FailureKind::SubscriptOutOfRange, nullptr },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.count);
        const RuntimeFailure failure = readFailure(std::string(c.count) + "\r\n" + numbered(0, 1100).substr(3));
        EXPECT_EQ(failure.kind(), c.kind);
        EXPECT_TRUE(std::string(failure.what()).starts_with("Jestrel.Ini, line 1: the count ")) << failure.what();
        if (c.message) {
            EXPECT_STREQ(failure.what(), c.message);
        }
    }
}

TEST(ReadSayings, ShowsOddCountLinesLegibly)
{
    EXPECT_STREQ(readFailure("1\x01"
                             "2\n")
                     .what(),
                 "Jestrel.Ini, line 1: the count \"1?2\" is not a number; the first line must hold the number of lines "
                 "in the file.");
    const std::string longCount(50, '9');
    EXPECT_NE(std::string(readFailure(longCount + "x\n").what()).find('"' + std::string(32, '9') + "...\""),
              std::string::npos);
}

TEST(ReadSayings, ShortFileNamesWhereItEnds)
{
    const RuntimeFailure failure = readFailure(numbered(5, 3));
    EXPECT_EQ(failure.kind(), FailureKind::InputPastEndOfFile);
    EXPECT_STREQ(failure.what(), "Jestrel.Ini ends after line 4, but the count on line 1 promises 5 lines.");

    EXPECT_STREQ(readFailure("").what(),
                 "Jestrel.Ini, line 1: the file is empty; its first line must hold the number of lines in the file.");
    EXPECT_STREQ(readFailure("3\r\n").what(),
                 "Jestrel.Ini ends after line 1, but the count on line 1 promises 3 lines.");
}

// text as UTF-16 with the byte order's mark, or without any.
std::string utf16(std::u16string_view text, bool bigEndian, bool marked = true)
{
    std::string bytes;
    for (const char16_t unit : marked ? u"\uFEFF" + std::u16string(text) : std::u16string(text)) {
        const auto low = static_cast<char>(unit & 0xFF);
        const auto high = static_cast<char>(unit >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(ReadSayings, ReadsEveryLineEndingAndEncoding)
{
    const struct {
        const char *name;
        std::string file;
        int count;
        std::vector<std::string> sayings;
    } rows[] = {
        { "LF, CR and CRLF", "4\nunix\rold mac\r\nwindows", 4, { "unix", "old mac", "windows" } },
        { "UTF-8 with its mark",
          "\xEF\xBB\xBF"
          "3\r\nna\xC3\xAFve\r\n\xE2\x80\x9Cquoted\xE2\x80\x9D\r\n",
          3,
          { "na\xC3\xAFve", "\xE2\x80\x9Cquoted\xE2\x80\x9D" } },
        // Only the saying drawn is decoded; the table keeps what the file holds.
        { "Windows-1252", "2\r\nna\xEFve \x93quoted\x94\r\n", 2, { "na\xEFve \x93quoted\x94" } },
        { "UTF-16 LE with its mark",
          utf16(u"3\r\nna\u00EFve \u65E5\u672C\r\n\U0001F3AF \u05E9\u05DC\u05D5\u05DD\r\n", false),
          3,
          { "na\xC3\xAFve \xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x8E\xAF \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D" } },
        { "UTF-16 BE with its mark",
          utf16(u"3\r\nna\u00EFve \u65E5\u672C\r\n\U0001F3AF \u05E9\u05DC\u05D5\u05DD\r\n", true),
          3,
          { "na\xC3\xAFve \xE6\x97\xA5\xE6\x9C\xAC", "\xF0\x9F\x8E\xAF \xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D" } },
        // A surrogate without its partner; a last byte without its pair on a line that is never read.
        { "UTF-16 LE, broken",
          utf16(u"2\r\na\xD800"
                u"b\r\n",
                false)
              + "x",
          2,
          { "a\xEF\xBF\xBD"
            "b" } },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Reading reading = read(row.file);
        EXPECT_EQ(reading.count, row.count);
        for (std::size_t i = 0; i < row.sayings.size(); ++i)
            EXPECT_EQ(reading.table.at(static_cast<int>(i)), row.sayings[i]);
    }

    // Without its mark a UTF-16 file cannot be told from bytes, but its count line can.
    for (const bool bigEndian : { false, true }) {
        EXPECT_STREQ(readFailure(utf16(u"3\r\none\r\ntwo\r\n", bigEndian, false)).what(),
                     "Jestrel.Ini, line 1: the file seems to be UTF-16 without a byte-order mark; save it as UTF-8.");
    }
}

TEST(ReadSayings, LongLineFailsNamingItsLine)
{
    const std::string atLimit(kMaxSayingLineBytes, 'x');
    EXPECT_EQ(read("2\r\n" + atLimit + "\r\n").table.at(0).size(), kMaxSayingLineBytes);
    const RuntimeFailure failure = readFailure("3\r\nfine\r\n" + atLimit + "y\r\n");
    EXPECT_EQ(failure.kind(), FailureKind::LineTooLong);
    EXPECT_STREQ(failure.what(), "Jestrel.Ini, line 3: the line is longer than 65536 bytes.");
}

} // namespace
} // namespace jestrel
