#pragma once

#include "platform/RuntimeFailure.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace jestrel
{

// What a LineInput source throws for a fault in the bytes it reads, such as a file that ends in the
// middle of a character. The source does not know lines; LineInput fails naming the one it reads.
class SourceFault : public std::runtime_error
{
public:
    SourceFault(FailureKind kind, const std::string &fault) : std::runtime_error(fault), m_kind(kind) { }

    FailureKind kind() const noexcept { return m_kind; }

private:
    FailureKind m_kind;
};

// Splits a byte stream into text lines. CR LF, LF alone and CR alone each end a line; the
// terminator is not part of the line. Only as much of the stream is read as the lines asked for.
class LineInput
{
public:
    // Fills the front of its buffer with the next bytes of the stream; 0 at its end. May throw
    // SourceFault.
    using Source = std::function<std::size_t(std::span<char>)>;

    // name is the file's name in failure messages. A line longer than maxLineBytes fails with
    // LineTooLong, so a file without line breaks cannot take unbounded memory.
    LineInput(std::string name, Source source, std::size_t maxLineBytes);

    // The next line, valid until the next call; nullopt at end of input.
    std::optional<std::string_view> next();

    // The number of the line next() returned last, counting from 1.
    int lineNumber() const { return m_lineNumber; }
    const std::string &name() const { return m_name; }

private:
    bool fill();

    std::string m_name;
    Source m_source;
    std::size_t m_maxLineBytes;
    std::string m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_skipLineFeed = false;
    int m_lineNumber = 0;
};

} // namespace jestrel
