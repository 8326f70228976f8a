#include "platform/win32/Startup.h"

#include "platform/ReportingFailures.h"
#include "platform/win32/FailureReport.h"
#include "platform/win32/MessageLoop.h"

namespace jestrel
{

namespace
{

BOOL CALLBACK hide(HWND window, LPARAM)
{
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

} // namespace

int runProgram(int showCommand, const Program &program)
{
    HWND window = nullptr;
    if (!reportingFailures([&] { window = program.loadStartupWindow(); }, reportFailure, program.missingFileAdvice))
        return 1;
    ShowWindow(window, showCommand);
    int status = 1;
    reportingFailures([&] { status = runMessageLoop(); }, reportFailure);
    return status;
}

void runHandler(const std::function<void()> &handler)
{
    runHandlerReportingOnce(handler, reportFailure, [] { endProgram(1); });
}

void endProgram(int status)
{
    EnumThreadWindows(GetCurrentThreadId(), hide, 0);
    // Every message loop, a modal window's included, ends at this message.
    PostQuitMessage(status);
}

} // namespace jestrel
