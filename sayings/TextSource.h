#pragma once

#include "platform/LineInput.h"

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace jestrel
{

// The bytes of a sayings file as the reader takes them. A file that starts with a UTF-16
// byte-order mark, as Notepad's "Unicode" saves it, comes out as UTF-8 with UTF-8's mark, so that
// its lines and its count read as in any other file; a surrogate without its partner becomes
// U+FFFD, and a last byte without its pair fails with SourceFault. A file with a UTF-32 mark
// fails with SourceFault at once. Any other file passes as it is.
class TextSource
{
public:
    explicit TextSource(LineInput::Source bytes) : m_bytes(std::move(bytes)) { }

    TextSource(const TextSource &) = delete;
    TextSource &operator=(const TextSource &) = delete;

    // The file's lines, read through this source, which must outlive them; their length limit
    // counts the file's own bytes, whatever UTF-8 they decode to.
    LineInput lines(std::string name, std::size_t maxLineBytes);

private:
    enum class Encoding { NotYetKnown, AsItIs, Utf16LittleEndian, Utf16BigEndian };

    // The lines' source: fills the front of buffer; 0 at the end.
    std::size_t read(std::span<char> buffer);
    // The lines' measure: how many of the file's bytes what read() handed out stands for.
    std::size_t fileBytes(std::string_view handedOut) const;

    void readMark();
    // Copies to buffer what is decoded and not yet handed out.
    std::size_t handOut(std::span<char> buffer);
    // Reads and decodes the next stretch of a UTF-16 file.
    void decodeMore();

    LineInput::Source m_bytes;
    Encoding m_encoding = Encoding::NotYetKnown;
    // UTF-16 bytes read but not yet decoded: half a code unit, or a high surrogate awaiting its pair.
    std::string m_undecoded;
    // What is ready to hand out: UTF-8, or the first bytes of a file that passes as it is.
    std::string m_decoded;
    std::size_t m_handedOut = 0;
    bool m_atEnd = false;
};

} // namespace jestrel
