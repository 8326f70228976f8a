#include "platform/InputFile.h"

#include "platform/InputFileFailures.h"
#include "platform/SystemErrorText.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jestrel
{

namespace
{

SpecialFile specialFile(mode_t mode)
{
    if (S_ISDIR(mode))
        return SpecialFile::Folder;
    if (S_ISFIFO(mode))
        return SpecialFile::Pipe;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return SpecialFile::Device;
    if (S_ISSOCK(mode))
        return SpecialFile::Socket;
    return SpecialFile::Other;
}

int descriptor(std::intptr_t handle)
{
    return static_cast<int>(handle);
}

} // namespace

InputFile::InputFile(std::string path) : m_path(std::move(path))
{
    // O_NONBLOCK keeps the open itself from waiting for a writer when the path is a FIFO.
    const int fd = ::open(m_path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw missingFileFailure(m_path);
        throw openFailure(m_path, systemErrorText(error));
    }
    m_handle = fd;

    struct stat status {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw notATextFileFailure(m_path, specialFile(status.st_mode));
    }
}

InputFile::~InputFile()
{
    ::close(descriptor(m_handle));
}

std::size_t InputFile::read(std::span<char> buffer)
{
    for (;;) {
        const ssize_t count = ::read(descriptor(m_handle), buffer.data(), buffer.size());
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno != EINTR)
            throw readFailure(m_path, systemErrorText(errno));
    }
}

} // namespace jestrel
