#include "platform/ProgramLauncher.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"

#include <windows.h>

namespace jestrel
{

namespace
{

// The program a command line starts, where it names one without its folder, in the system folder.
// Left to itself CreateProcessW would look in the program's own folder and the current one first,
// where the sayings file lives and anybody may leave a program of that name. Empty for a program
// named with its folder.
std::wstring inSystemFolder(const std::wstring &commandLine)
{
    const std::size_t first = commandLine.starts_with(L'"') ? 1 : 0;
    const std::size_t end = commandLine.find(first == 1 ? L'"' : L' ', first);
    const std::wstring program
        = commandLine.substr(first, end == std::wstring::npos ? std::wstring::npos : end - first);
    if (program.find_first_of(L"\\/:") != std::wstring::npos)
        return {};
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size())));
    return folder + L'\\' + program;
}

} // namespace

int SystemLauncher::launch(std::string_view command, int windowStyle)
{
    // The runtime's window styles are Windows' own SW_ values, so they pass as they stand.
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION process {};
    // CreateProcessW may write to the command line it is given.
    std::wstring commandLine = toWide(command);
    const std::wstring program = inSystemFolder(commandLine);
    if (!CreateProcessW(program.empty() ? nullptr : program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0,
                        nullptr, nullptr, &startup, &process)) {
        throw RuntimeFailure(FailureKind::LaunchFailure,
                             "Cannot start " + std::string(command) + ": "
                                 + systemErrorText(static_cast<int>(GetLastError())) + ".");
    }
    // Nobody waits for the program, so its handles are of no further use.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(process.dwProcessId);
}

} // namespace jestrel
