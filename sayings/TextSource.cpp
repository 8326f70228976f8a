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

std::size_t TextSource::operator()(std::span<char> buffer)
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
    // The mark is the file's first two bytes, which one read need not bring whole.
    std::array<char, 2> head {};
    std::size_t read = 0;
    while (read < head.size()) {
        const std::size_t count = m_bytes(std::span(head).subspan(read));
        if (count == 0)
            break;
        read += count;
    }
    const bool marked = read == 2;
    const auto first = static_cast<std::uint8_t>(head[0]);
    const auto second = static_cast<std::uint8_t>(head[1]);
    if (marked && first == 0xFF && second == 0xFE) {
        m_encoding = Encoding::Utf16LittleEndian;
    } else if (marked && first == 0xFE && second == 0xFF) {
        m_encoding = Encoding::Utf16BigEndian;
    } else {
        m_encoding = Encoding::AsItIs;
        m_decoded.assign(head.data(), read);
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
