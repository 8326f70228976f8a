#include "platform/SystemErrorText.h"

#include <string_view>
#include <utility>
#include <windows.h>

namespace jestrel
{

namespace
{

// What CreateFileW(), ReadFile() and CreateProcessW() can give for the calls the runtime makes,
// in the words the POSIX build uses for the same causes.
constexpr std::pair<DWORD, std::string_view> kCauses[] = {
    { ERROR_ACCESS_DENIED, "permission denied" },
    { ERROR_FILE_NOT_FOUND, "no such file or directory" },
    { ERROR_PATH_NOT_FOUND, "no such file or directory" },
    { ERROR_SHARING_VIOLATION, "another program has locked it" },
    { ERROR_LOCK_VIOLATION, "another program has locked part of it" },
    { ERROR_INVALID_NAME, "the name is not valid" },
    { ERROR_FILENAME_EXCED_RANGE, "the name is too long" },
    { ERROR_TOO_MANY_OPEN_FILES, "too many open files" },
    { ERROR_NOT_ENOUGH_MEMORY, "out of memory" },
    { ERROR_OUTOFMEMORY, "out of memory" },
    { ERROR_NOT_READY, "the drive is not ready" },
    { ERROR_BAD_NETPATH, "the network path was not found" },
    { ERROR_NETNAME_DELETED, "the network connection was lost" },
    { ERROR_PIPE_BUSY, "the pipe is busy" },
    { ERROR_IO_DEVICE, "input/output error" },
    { ERROR_BAD_EXE_FORMAT, "it is not a program this system can run" },
};

} // namespace

std::string systemErrorText(int code)
{
    for (const auto &[known, text] : kCauses) {
        if (known == static_cast<DWORD>(code))
            return std::string(text);
    }
    return "system error " + std::to_string(code);
}

} // namespace jestrel
