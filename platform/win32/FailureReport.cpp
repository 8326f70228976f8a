#include "platform/win32/FailureReport.h"

#include "platform/WideText.h"

#include <string>
#include <windows.h>

namespace jestrel
{

namespace
{

// A program of the GUI subsystem has a standard error only when its starter gave it one.
void writeToStandardError(std::string_view message)
{
    const HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    if (error == nullptr || error == INVALID_HANDLE_VALUE)
        return;
    const std::string line = "Jestrel!: " + std::string(message) + "\n";
    DWORD written = 0;
    WriteFile(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

} // namespace

void reportFailure(std::string_view message)
{
    writeToStandardError(message);
    // Task-modal with no owner: a failure at start-up has no window to own the box, and one later
    // must keep the user out of every window of the program, the about box's included.
    MessageBoxW(nullptr, toWide(message).c_str(), L"Jestrel!", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
}

} // namespace jestrel
