#include "platform/InputFile.h"

#include "platform/RuntimeFailure.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace jestrel
{

namespace
{

std::string describe(int error)
{
    std::string text = std::strerror(error);
    if (!text.empty())
        text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    return text;
}

std::string whereLookedFor(const std::string &path)
{
    std::error_code error;
    const auto directory = std::filesystem::absolute(path, error).parent_path();
    return error ? std::string() : " in " + directory.string();
}

std::string fileKind(mode_t mode)
{
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something other than a file";
}

} // namespace

InputFile::InputFile(std::string path) : m_path(std::move(path))
{
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    m_fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw RuntimeFailure(FailureKind::FileNotFound,
                                 "Cannot open " + m_path + ": there is no such file" + whereLookedFor(m_path) + ".");
        throw RuntimeFailure(FailureKind::FileNotReadable, "Cannot open " + m_path + ": " + describe(error) + ".");
    }

    struct stat status {
    };
    if (::fstat(m_fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const std::string kind = fileKind(status.st_mode);
        ::close(m_fd);
        throw RuntimeFailure(FailureKind::FileNotReadable,
                             "Cannot read " + m_path + ": it is " + kind + ", not a text file.");
    }
}

InputFile::~InputFile()
{
    ::close(m_fd);
}

std::size_t InputFile::read(std::span<char> buffer)
{
    for (;;) {
        const ssize_t count = ::read(m_fd, buffer.data(), buffer.size());
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            throw RuntimeFailure(FailureKind::FileNotReadable, "Cannot read " + m_path + ": " + describe(errno) + ".");
    }
}

} // namespace jestrel
