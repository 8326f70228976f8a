#include "platform/win32/WindowOperations.h"

#include "platform/RuntimeFailure.h"
#include "platform/win32/Twips.h"

namespace jestrel
{

namespace
{

RECT primaryMonitor()
{
    MONITORINFO monitor {};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromPoint(POINT { 0, 0 }, MONITOR_DEFAULTTOPRIMARY), &monitor))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot read the screen's size: there is no display.");
    return monitor.rcMonitor;
}

} // namespace

TwipsSize Win32Window::screenSize()
{
    const RECT screen = primaryMonitor();
    const UINT dpi = twips::primaryMonitorDpi();
    return { twips::fromPixels(screen.right - screen.left, dpi), twips::fromPixels(screen.bottom - screen.top, dpi) };
}

TwipsSize Win32Window::outerSize()
{
    RECT outer {};
    if (!GetWindowRect(m_window, &outer))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot read the window's size: it is gone.");
    const UINT dpi = twips::dpiOf(m_window);
    return { twips::fromPixels(outer.right - outer.left, dpi), twips::fromPixels(outer.bottom - outer.top, dpi) };
}

void Win32Window::move(int left, int top)
{
    const RECT screen = primaryMonitor();
    const UINT dpi = twips::primaryMonitorDpi();
    if (!SetWindowPos(m_window, nullptr, screen.left + twips::toPixels(left, dpi),
                      screen.top + twips::toPixels(top, dpi), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot move the window: it is gone.");
}

} // namespace jestrel
