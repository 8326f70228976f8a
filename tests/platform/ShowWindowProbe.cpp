// Started by the launcher's test: writes how it was asked to show its window, as the number
// Windows passes to ShowWindow(), into the file its argument names.

#include <string>
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    STARTUPINFOW startup {};
    GetStartupInfoW(&startup);
    const std::string shown = std::to_string((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    // Renamed once whole, so that the test never reads it half written.
    const std::wstring part = std::wstring(argv[1]) + L".part";
    const HANDLE file = CreateFileW(part.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    const bool whole = WriteFile(file, shown.data(), static_cast<DWORD>(shown.size()), &written, nullptr);
    CloseHandle(file);
    return whole && MoveFileW(part.c_str(), argv[1]) ? 0 : 1;
}
