#include "platform/ProgramLauncher.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"
#include "platform/SystemFolder.h"
#include "platform/WideText.h"

#include <windows.h>

namespace jestrel
{

std::wstring programInSystemFolder(const std::wstring &commandLine, SystemFolderCall systemFolder)
{
    const std::size_t first = commandLine.starts_with(L'"') ? 1 : 0;
    const std::size_t end = commandLine.find(first == 1 ? L'"' : L' ', first);
    const std::wstring program
        = commandLine.substr(first, end == std::wstring::npos ? std::wstring::npos : end - first);
    if (program.find_first_of(L"\\/:") != std::wstring::npos)
        return {};
    // Asked for its length first: with a path too long, the answer is the room it needs.
    const UINT room = systemFolder(nullptr, 0);
    std::wstring folder(room, L'\0');
    const UINT length = room ? systemFolder(folder.data(), room) : 0;
    if (length == 0 || length >= room)
        throw RuntimeFailure(FailureKind::LaunchFailure,
                             "Cannot start " + toUtf8(program)
                                 + ": the system folder, which holds it, cannot be found: "
                                 + systemErrorText(static_cast<int>(GetLastError())) + ".");
    folder.resize(length);
    return folder + L'\\' + program;
}

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
    const std::wstring program = programInSystemFolder(commandLine);
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
