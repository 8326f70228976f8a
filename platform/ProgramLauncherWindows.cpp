#include "platform/ProgramLauncher.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"
#include "platform/WideText.h"

#include <windows.h>

namespace jestrel
{

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
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
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
