#include "platform/InputFile.h"

#include "platform/InputFileFailures.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"

#include <algorithm>
#include <optional>
#include <windows.h>

namespace jestrel
{

namespace
{

HANDLE handleOf(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

std::string causeOf(DWORD error)
{
    return systemErrorText(static_cast<int>(error));
}

// What the handle is when it is not a file to read; nullopt for a file.
std::optional<SpecialFile> specialFile(HANDLE file)
{
    switch (GetFileType(file)) {
    case FILE_TYPE_DISK: {
        BY_HANDLE_FILE_INFORMATION information {};
        if (!GetFileInformationByHandle(file, &information))
            return SpecialFile::Other;
        if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            return SpecialFile::Folder;
        return std::nullopt;
    }
    case FILE_TYPE_PIPE:
        return SpecialFile::Pipe;
    case FILE_TYPE_CHAR:
        return SpecialFile::Device;
    default:
        return SpecialFile::Other;
    }
}

// Whether a path that the system refused as though a folder on it were missing names a file after
// all: where long paths are not enabled, Windows refuses so a path of MAX_PATH characters or more.
bool existsByLongName(const std::wstring &path)
{
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size <= MAX_PATH)
        return false;
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
    // Given as it stands, the name was not refused for its length.
    if (full.starts_with(L"\\\\?\\") || full.starts_with(L"\\\\.\\"))
        return false;
    // This prefix has the system take the name as it stands, whatever its length.
    const std::wstring unlimited = full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
    return GetFileAttributesW(unlimited.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace

InputFile::InputFile(std::string path) : m_path(std::move(path))
{
    // Sharing writing and deleting lets an editor save the file while a draw reads it. Backup
    // semantics let a folder open too, so that it is refused below by its type, like a pipe or
    // a device, before anything is read.
    const std::wstring wide = toWide(m_path);
    const HANDLE file
        = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                      OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_PATH_NOT_FOUND && existsByLongName(wide))
            throw openFailure(m_path, causeOf(ERROR_FILENAME_EXCED_RANGE));
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
            throw missingFileFailure(m_path);
        throw openFailure(m_path, causeOf(error));
    }
    if (const auto kind = specialFile(file)) {
        CloseHandle(file);
        throw notATextFileFailure(m_path, *kind);
    }
    m_handle = reinterpret_cast<std::intptr_t>(file);
}

InputFile::~InputFile()
{
    CloseHandle(handleOf(m_handle));
}

std::size_t InputFile::read(std::span<char> buffer)
{
    const auto size = static_cast<DWORD>(std::min<std::size_t>(buffer.size(), MAXDWORD));
    DWORD count = 0;
    if (!ReadFile(handleOf(m_handle), buffer.data(), size, &count, nullptr))
        throw readFailure(m_path, causeOf(GetLastError()));
    return count;
}

} // namespace jestrel
