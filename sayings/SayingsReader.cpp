#include "sayings/SayingsReader.h"

#include "platform/LineInput.h"
#include "platform/RuntimeFailure.h"
#include "sayings/SayingTable.h"
#include "sayings/TextDecoding.h"

#include <optional>
#include <string>

namespace jestrel
{

namespace
{

using namespace std::string_view_literals;

struct ParsedCount {
    bool isNumber = false;
    bool isWhole = false;
    long value = 0; // saturates well beyond the largest count allowed
};

// A decimal number: blanks around it, an optional sign, an optional fractional part after ".",
// no exponent, whatever the locale.
ParsedCount parseCount(std::string_view text)
{
    constexpr long kSaturation = 1'000'000;
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    ParsedCount count;
    std::size_t digits = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
        count.value = std::min(kSaturation, count.value * 10 + (text[i] - '0'));
    count.isWhole = true;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits)
            count.isWhole = count.isWhole && text[i] == '0';
    }
    count.isNumber = digits > 0 && i == text.size();
    if (negative)
        count.value = -count.value;
    return count;
}

// The count line as it may stand in a message: decoded, control characters made visible, short.
std::string quoted(std::string_view bytes)
{
    constexpr std::size_t kShownCharacters = 32;
    std::string shown;
    std::size_t characters = 0;
    for (const char c : decodeLine(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kShownCharacters) {
            shown += "...";
            break;
        }
        shown += byte < 0x20 || byte == 0x7F ? '?' : c;
    }
    return "\"" + shown + "\"";
}

int checkedCount(std::string_view text, bool marked, const LineInput &input)
{
    const auto fail = [&](FailureKind kind, const std::string &fault) {
        return RuntimeFailure::atLine(kind, input.name(), input.lineNumber(), fault);
    };
    // The count of a file without its mark reads as digits with NUL bytes between them: one
    // between two digits in UTF-16, three in UTF-32. In a marked file a NUL is only a bad count.
    if (!marked && text.find('\0') != std::string_view::npos) {
        throw fail(FailureKind::FileNotReadable,
                   text.find("\0\0\0"sv) != std::string_view::npos
                       ? "the file seems to be UTF-32, which Jestrel does not read; save it as UTF-8."
                       : "the file seems to be UTF-16 without a byte-order mark; save it as UTF-8.");
    }
    const ParsedCount count = parseCount(text);
    if (!count.isNumber)
        throw fail(FailureKind::TypeMismatch,
                   "the count " + quoted(text)
                       + " is not a number; the first line must hold the number of "
                         "lines in the file.");
    if (!count.isWhole)
        throw fail(FailureKind::TypeMismatch, "the count " + quoted(text) + " is not a whole number.");
    if (count.value < kMinSayingCount || count.value > kMaxSayingCount)
        throw fail(FailureKind::SubscriptOutOfRange,
                   "the count " + quoted(text) + " is out of range; it counts the lines of the file, this one "
                       + "included, and must lie between " + std::to_string(kMinSayingCount) + " and "
                       + std::to_string(kMaxSayingCount) + ".");
    return static_cast<int>(count.value);
}

} // namespace

int readSayings(LineInput &input, SayingTable &table)
{
    std::optional<std::string_view> line = input.next();
    if (!line)
        throw RuntimeFailure::atLine(FailureKind::InputPastEndOfFile, input.name(), 1,
                                     "the file is empty; its first line must hold the number of lines in the file.");
    std::string_view countText = *line;
    // A UTF-16 file's mark reaches here as UTF-8's.
    const bool marked = countText.starts_with(kUtf8ByteOrderMark);
    if (marked)
        countText.remove_prefix(kUtf8ByteOrderMark.size());
    const int count = checkedCount(countText, marked, input);

    for (int slot = 0; slot < count - 1; ++slot) {
        line = input.next();
        if (!line) {
            throw RuntimeFailure(FailureKind::InputPastEndOfFile,
                                 input.name() + " ends after line " + std::to_string(input.lineNumber())
                                     + ", but the count on line 1 promises " + std::to_string(count) + " lines.");
        }
        table.set(slot, *line);
    }
    return count;
}

} // namespace jestrel
