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

    // How many of the file's bytes the source's bytes stand for, for a source that decodes the
    // file; a measure of bytes in a row is the sum of theirs, wherever the row is cut. Such a
    // source hands out at least one byte for every two of the file's.
    using Measure = std::function<std::size_t(std::string_view)>;

    // name is the file's name in failure messages. A line longer than maxLineBytes of the file
    // fails with LineTooLong, so a file without line breaks cannot take unbounded memory: no more
    // than the source hands out for maxLineBytes. Without a measure the source's bytes are the file's.
    LineInput(std::string name, Source source, std::size_t maxLineBytes, Measure fileBytes = nullptr);

    // The next line, valid until the next call; nullopt at end of input.
    std::optional<std::string_view> next();

    // The number of the line next() returned last, counting from 1.
    int lineNumber() const { return m_lineNumber; }
    const std::string &name() const { return m_name; }

private:
    bool fill();
    // The source's next bytes behind the unread part; a SourceFault names the line being read.
    std::size_t readSource();

    std::string m_name;
    Source m_source;
    std::size_t m_maxLineBytes;
    // A line is measured only once it has more of the source's bytes than this.
    std::size_t m_measuredFrom;
    Measure m_fileBytes;
    std::string m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_atEnd = false;
    bool m_skipLineFeed = false;
    int m_lineNumber = 0;
};

} // namespace jestrel
