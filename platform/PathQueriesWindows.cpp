#include "platform/PathQueries.h"

#include "platform/WideText.h"

#include <windows.h>

namespace jestrel
{

bool isRegularFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES
        && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

std::string absoluteFolder(const std::string &path)
{
    const std::wstring wide = toWide(path);
    std::wstring absolute(MAX_PATH, L'\0');
    wchar_t *name = nullptr;
    DWORD length = GetFullPathNameW(wide.c_str(), static_cast<DWORD>(absolute.size()), absolute.data(), &name);
    if (length > absolute.size()) {
        absolute.resize(length);
        length = GetFullPathNameW(wide.c_str(), length, absolute.data(), &name);
    }
    if (length == 0 || length > absolute.size())
        return std::string();
    // Without its last name, and without the separator before it unless that is the root's.
    absolute.resize(name ? static_cast<std::size_t>(name - absolute.data()) : length);
    if (absolute.size() > 3 && (absolute.back() == L'\\' || absolute.back() == L'/'))
        absolute.pop_back();
    return toUtf8(absolute);
}

} // namespace jestrel
