// Started by the launcher's test: writes how it was asked to show its window, as the number
// Windows passes to ShowWindow(), into the file its argument names.

#include <filesystem>
#include <fstream>
#include <windows.h>

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    STARTUPINFOW startup {};
    GetStartupInfoW(&startup);
    const std::filesystem::path report(argv[1]);
    auto written = report;
    written += L".part";
    // Renamed once whole, so that the test never reads it half written.
    std::ofstream(written) << ((startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1);
    std::filesystem::rename(written, report);
    return 0;
}
