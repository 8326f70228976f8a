#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace jestrel
{

// The one file the program opens ("file number 1"), open for sequential input for as long as
// this object lives, so it is closed on every way out of a reading.
class InputFile
{
public:
    // Fails with FileNotFound, or FileNotReadable when the path is not a readable regular file;
    // a directory, FIFO or device never gets as far as a read that could hang.
    explicit InputFile(std::string path);
    ~InputFile();

    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    // Fills the front of buffer; 0 at end of file.
    std::size_t read(std::span<char> buffer);

private:
    std::string m_path;
    // A file descriptor on POSIX, a HANDLE on Windows.
    std::intptr_t m_handle = -1;
};

} // namespace jestrel
