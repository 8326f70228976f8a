#include "sayings/TextDecoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace jestrel
{

namespace
{

// Windows-1252 bytes 0x80 to 0x9F. The five bytes the code page leaves undefined map to the C1
// control of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252High {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Looked up rather than computed, so that converting a line takes no branch per byte.
constexpr std::array<Utf8Sequence, 256> kWindows1252ToUtf8 = [] {
    std::array<Utf8Sequence, 256> table;
    for (char32_t byte = 0; byte < table.size(); ++byte)
        table[byte] = utf8Of(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : byte);
    return table;
}();

std::uint64_t load(const char *bytes)
{
    std::uint64_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// Sayings are mostly ASCII, and a line may be 64 KiB long: 32 bytes, then eight, at a time pass
// at once. Returns the offset of the first byte from i on that may not be ASCII.
std::size_t skipAscii(std::string_view bytes, std::size_t i)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    const char *data = bytes.data();
    while (bytes.size() - i >= 32) {
        if (((load(data + i) | load(data + i + 8) | load(data + i + 16) | load(data + i + 24)) & kHighBits) != 0)
            break;
        i += 32;
    }
    while (bytes.size() - i >= 8 && (load(data + i) & kHighBits) == 0)
        i += 8;
    return i;
}

// The length of the valid UTF-8 sequence that starts at bytes[i], or 0 if none does.
std::size_t sequenceLength(std::string_view bytes, std::size_t i)
{
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    // Second-byte ranges exclude overlong forms, surrogates and code points above U+10FFFF.
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (bytes.size() - i < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(bytes[i + k]);
        if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while ((i = skipAscii(bytes, i)) < bytes.size()) {
        // Character by character through the eight bytes that stopped the skip, then skip again.
        for (const std::size_t stop = std::min(i + 8, bytes.size()); i < stop;) {
            const std::size_t length = sequenceLength(bytes, i);
            if (length == 0)
                return false;
            i += length;
        }
    }
    return true;
}

std::string decodeLine(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    // Room for the longest conversion, three bytes for every byte, and for the unused fourth byte
    // that each whole sequence copied writes.
    std::string storage(bytes.size() * 3 + 1, '\0');
    char *next = storage.data();
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t ascii = skipAscii(bytes, i);
        next = std::copy(bytes.data() + i, bytes.data() + ascii, next);
        // Byte by byte through the eight bytes that stopped the skip, then skip again.
        for (i = ascii; i < std::min(ascii + 8, bytes.size()); ++i) {
            const Utf8Sequence &sequence = kWindows1252ToUtf8[static_cast<std::uint8_t>(bytes[i])];
            std::memcpy(next, sequence.bytes.data(), sequence.bytes.size());
            next += sequence.length;
        }
    }
    storage.resize(static_cast<std::size_t>(next - storage.data()));
    return storage;
}

std::string captionText(std::string_view bytes)
{
    constexpr std::string_view kReplacement = "\xEF\xBF\xBD";
    const std::string decoded = decodeLine(bytes);
    std::string shown;
    shown.reserve(decoded.size());
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(decoded[i]);
        // C1 controls, U+0080 to U+009F, are C2 80 to C2 9F in UTF-8.
        const bool c1 = byte == 0xC2 && i + 1 < decoded.size() && static_cast<std::uint8_t>(decoded[i + 1]) <= 0x9F;
        if (byte == '\t')
            shown += ' ';
        else if (byte < 0x20 || byte == 0x7F || c1)
            shown += kReplacement;
        else
            shown += decoded[i];
        i += c1 ? 1 : 0;
    }
    return shown;
}

} // namespace jestrel
