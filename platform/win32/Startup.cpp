#include "platform/win32/Startup.h"

#include "platform/win32/FailureReport.h"
#include "platform/win32/MessageLoop.h"

#include <exception>

namespace jestrel
{

namespace
{

// Runs what may fail; a failure is reported and gives the exit status 1.
bool reportingFailures(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const std::exception &failure) {
        reportFailure(failure.what());
    } catch (...) {
        reportFailure("Jestrel met a failure it cannot name and has to end.");
    }
    return false;
}

BOOL CALLBACK hide(HWND window, LPARAM)
{
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

} // namespace

int runProgram(int showCommand, const std::function<HWND()> &loadStartupWindow)
{
    HWND window = nullptr;
    if (!reportingFailures([&] { window = loadStartupWindow(); }))
        return 1;
    ShowWindow(window, showCommand);
    int status = 1;
    reportingFailures([&] { status = runMessageLoop(); });
    return status;
}

void runHandler(const std::function<void()> &handler)
{
    if (!reportingFailures(handler))
        endProgram(1);
}

void endProgram(int status)
{
    EnumThreadWindows(GetCurrentThreadId(), hide, 0);
    // Every message loop, a modal window's included, ends at this message.
    PostQuitMessage(status);
}

} // namespace jestrel
