#include "sayings/TextSource.h"

#include "sayings/TextDecoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

namespace jestrel
{

namespace
{

using namespace std::string_view_literals;

constexpr std::size_t kChunkBytes = 64 * 1024;
constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string &out, char32_t code)
{
    const Utf8Sequence sequence = utf8Of(code);
    out.append(sequence.bytes.data(), sequence.length);
}

bool isHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

LineInput TextSource::lines(std::string name, std::size_t maxLineBytes)
{
    return LineInput(
        std::move(name), [this](std::span<char> buffer) { return read(buffer); }, maxLineBytes,
        [this](std::string_view handedOut) { return fileBytes(handedOut); });
}

std::size_t TextSource::fileBytes(std::string_view handedOut) const
{
    if (m_encoding == Encoding::AsItIs)
        return handedOut.size();
    // UTF-16 has two bytes for each code point that UTF-8 writes in up to three, four for one that
    // both write in four. A code point cut between two reads is counted with its first byte.
    std::size_t bytes = 0;
    for (const char c : handedOut) {
        const auto byte = static_cast<std::uint8_t>(c);
        if ((byte & 0xC0) != 0x80)
            bytes += byte >= 0xF0 ? 4 : 2;
    }
    return bytes;
}

std::size_t TextSource::read(std::span<char> buffer)
{
    if (m_encoding == Encoding::NotYetKnown)
        readMark();
    std::size_t count = handOut(buffer);
    if (m_encoding == Encoding::AsItIs)
        return count < buffer.size() ? count + m_bytes(buffer.subspan(count)) : count;
    while (count == 0 && !m_atEnd) {
        decodeMore();
        count = handOut(buffer);
    }
    return count;
}

void TextSource::readMark()
{
    // The longest mark, UTF-32's, is the file's first four bytes, which one read need not bring whole.
    std::array<char, 4> head {};
    std::size_t filled = 0;
    while (filled < head.size()) {
        const std::size_t count = m_bytes(std::span(head).subspan(filled));
        if (count == 0)
            break;
        filled += count;
    }
    const std::string_view start(head.data(), filled);
    // UTF-32 LE's mark starts as UTF-16 LE's does, but a sayings file cannot go on with U+0000.
    if (start == "\xFF\xFE\0\0"sv || start == "\0\0\xFE\xFF"sv)
        throw SourceFault(FailureKind::FileNotReadable,
                          "the file is UTF-32, which Jestrel does not read; save it as UTF-8.");
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) {
        m_encoding = start[0] == '\xFF' ? Encoding::Utf16LittleEndian : Encoding::Utf16BigEndian;
        // The mark comes out as UTF-8's, so the reader knows the file has one.
        m_decoded.assign(kUtf8ByteOrderMark);
        m_undecoded.assign(start.substr(2));
    } else {
        m_encoding = Encoding::AsItIs;
        m_decoded.assign(start);
    }
}

std::size_t TextSource::handOut(std::span<char> buffer)
{
    const std::size_t count = std::min(buffer.size(), m_decoded.size() - m_handedOut);
    std::memcpy(buffer.data(), m_decoded.data() + m_handedOut, count);
    m_handedOut += count;
    if (m_handedOut == m_decoded.size()) {
        m_decoded.clear();
        m_handedOut = 0;
    }
    return count;
}

void TextSource::decodeMore()
{
    const std::size_t kept = m_undecoded.size();
    m_undecoded.resize(kept + kChunkBytes);
    const std::size_t count = m_bytes(std::span(m_undecoded).subspan(kept));
    m_undecoded.resize(kept + count);
    m_atEnd = count == 0;

    const bool littleEndian = m_encoding == Encoding::Utf16LittleEndian;
    const auto unitAt = [&](std::size_t i) {
        const auto a = static_cast<std::uint8_t>(m_undecoded[i]);
        const auto b = static_cast<std::uint8_t>(m_undecoded[i + 1]);
        return static_cast<char32_t>(littleEndian ? a | b << 8 : a << 8 | b);
    };
    std::size_t i = 0;
    while (m_undecoded.size() - i >= 2) {
        const char32_t unit = unitAt(i);
        if (!isHighSurrogate(unit)) {
            appendUtf8(m_decoded, isLowSurrogate(unit) ? kReplacement : unit);
            i += 2;
            continue;
        }
        if (m_undecoded.size() - i < 4) {
            if (!m_atEnd)
                break; // its pair may come with the next read
            appendUtf8(m_decoded, kReplacement);
            i += 2;
            continue;
        }
        const char32_t next = unitAt(i + 2);
        if (isLowSurrogate(next)) {
            appendUtf8(m_decoded, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            i += 4;
        } else {
            appendUtf8(m_decoded, kReplacement);
            i += 2;
        }
    }
    m_undecoded.erase(0, i);
    // Only a line that has not ended asks for more than was handed out, so that line holds the odd byte.
    if (m_atEnd && !m_undecoded.empty())
        throw SourceFault(FailureKind::InputPastEndOfFile,
                          "the file ends in the middle of a UTF-16 character; it may have been cut short.");
}

} // namespace jestrel
