#include "platform/LineInput.h"

#include "platform/RuntimeFailure.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace jestrel
{

namespace
{

constexpr std::size_t kChunkBytes = 64 * 1024;

bool isTerminator(char c)
{
    return c == '\n' || c == '\r';
}

// Every draw splits the whole file again, and line ends are rare among its bytes: eight bytes at
// a time are let through at once unless one of them lies below 0x0E, as CR and LF do.
const char *findTerminator(const char *first, const char *last)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighBits = 0x8080808080808080;
    while (last - first >= 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, first, sizeof word);
        if (((word - kOnes * 0x0E) & ~word & kHighBits) != 0) {
            if (const char *terminator = std::find_if(first, first + 8, isTerminator); terminator != first + 8)
                return terminator;
        }
        first += 8;
    }
    return std::find_if(first, last, isTerminator);
}

} // namespace

LineInput::LineInput(std::string name, Source source, std::size_t maxLineBytes, Measure fileBytes)
    : m_name(std::move(name))
    , m_source(std::move(source))
    , m_maxLineBytes(maxLineBytes)
    , m_measuredFrom(fileBytes ? maxLineBytes / 2 : maxLineBytes)
    , m_fileBytes(fileBytes ? std::move(fileBytes) : [](std::string_view bytes) { return bytes.size(); })
{
}

std::size_t LineInput::readSource()
{
    try {
        return m_source(std::span<char>(m_buffer.data() + m_end, m_buffer.size() - m_end));
    } catch (const SourceFault &fault) {
        throw RuntimeFailure::atLine(fault.kind(), m_name, m_lineNumber + 1, fault.what());
    }
}

bool LineInput::fill()
{
    if (m_atEnd)
        return false;
    // Keep the unread part at the front, then read a chunk behind it.
    if (m_begin > 0) {
        std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    // The buffer grows only while one line fills all of it; otherwise a read fills the room behind
    // the unread part, so that the buffer is not reallocated and copied on every read.
    if (m_end == m_buffer.size())
        m_buffer.resize(m_buffer.size() + kChunkBytes);
    const std::size_t count = readSource();
    m_end += count;
    m_atEnd = count == 0;
    return count > 0;
}

std::optional<std::string_view> LineInput::next()
{
    std::size_t scanned = 0;
    // A line is measured in the file's bytes only once it is long, and then only the part not yet
    // measured, so that the usual line costs nothing and a long one is measured once.
    std::size_t measured = 0;
    std::size_t fileLength = 0;
    for (;;) {
        if (m_skipLineFeed && m_begin < m_end) {
            // The CR that ended the last line was the last byte read; its LF came with this chunk.
            if (m_buffer[m_begin] == '\n')
                ++m_begin;
            m_skipLineFeed = false;
        }
        const char *first = m_buffer.data() + m_begin;
        const char *last = m_buffer.data() + m_end;
        const char *terminator = findTerminator(first + scanned, last);
        const auto length = static_cast<std::size_t>(terminator - first);
        if (length > m_measuredFrom) {
            fileLength += m_fileBytes(std::string_view(first + measured, length - measured));
            measured = length;
            if (fileLength > m_maxLineBytes) {
                throw RuntimeFailure::atLine(FailureKind::LineTooLong, m_name, m_lineNumber + 1,
                                             "the line is longer than " + std::to_string(m_maxLineBytes) + " bytes.");
            }
        }
        if (terminator != last) {
            std::size_t after = length + 1;
            if (*terminator == '\r') {
                if (m_begin + after < m_end) {
                    if (first[after] == '\n')
                        ++after;
                } else {
                    m_skipLineFeed = true;
                }
            }
            const std::string_view line(first, length);
            m_begin += after;
            ++m_lineNumber;
            return line;
        }
        scanned = length;
        if (!fill()) {
            if (m_begin == m_end)
                return std::nullopt;
            // The last line has no terminator.
            const std::string_view line(m_buffer.data() + m_begin, m_end - m_begin);
            m_begin = m_end;
            ++m_lineNumber;
            return line;
        }
    }
}

} // namespace jestrel
