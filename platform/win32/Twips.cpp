#include "platform/win32/Twips.h"

#include "platform/RuntimeFailure.h"

#include <shellscalingapi.h>

namespace jestrel::twips
{

UINT dpiOf(HWND window)
{
    const UINT dpi = GetDpiForWindow(window);
    if (dpi == 0)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot measure the window's screen: it is gone.");
    return dpi;
}

UINT primaryMonitorDpi()
{
    UINT dpiX = 0;
    UINT dpiY = 0;
    const HMONITOR primary = MonitorFromPoint(POINT { 0, 0 }, MONITOR_DEFAULTTOPRIMARY);
    if (FAILED(GetDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)) || dpiX == 0)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot measure the screen: there is no display.");
    return dpiX;
}

} // namespace jestrel::twips
