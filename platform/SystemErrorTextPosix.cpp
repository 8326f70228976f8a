#include "platform/SystemErrorText.h"

#include <cerrno>
#include <string_view>
#include <utility>

namespace jestrel
{

namespace
{

// What open(), read(), pipe(), fork() and execve() can give for the calls the runtime makes.
constexpr std::pair<int, std::string_view> kCauses[] = {
    { EACCES, "permission denied" },
    { EPERM, "operation not permitted" },
    { ENOENT, "no such file or directory" },
    { ENOTDIR, "a part of the path is not a folder" },
    { EISDIR, "it is a folder" },
    { ELOOP, "too many levels of symbolic links" },
    { ENAMETOOLONG, "the name is too long" },
    { EMFILE, "too many open files" },
    { ENFILE, "too many open files in the system" },
    { ENOMEM, "out of memory" },
    { EAGAIN, "the system is out of resources for the moment" },
    { EIO, "input/output error" },
    { ENXIO, "no such device or address" },
    { ENODEV, "no such device" },
    { EOVERFLOW, "the file is too large" },
    { ETXTBSY, "the program file is open for writing" },
    { ENOEXEC, "it is not a program this system can run" },
    { E2BIG, "the argument list is too long" },
    { EINVAL, "invalid argument" },
    { ECHILD, "the process that was to start it vanished" },
};

} // namespace

std::string systemErrorText(int code)
{
    for (const auto &[known, text] : kCauses) {
        if (known == code)
            return std::string(text);
    }
    return "system error " + std::to_string(code);
}

} // namespace jestrel
