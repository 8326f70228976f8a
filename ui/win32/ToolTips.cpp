#include "ui/win32/ToolTips.h"

#include "platform/RuntimeFailure.h"

#include <commctrl.h>

namespace jestrel
{

namespace
{

// A long saying wraps in its tip rather than running across the screen.
constexpr int kMaxTipWidthAt96Dpi = 400;

} // namespace

ToolTips::ToolTips(HWND window) : m_window(window)
{
    const INITCOMMONCONTROLSEX classes { sizeof classes, ICC_BAR_CLASSES };
    InitCommonControlsEx(&classes);
    m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, GetModuleHandleW(nullptr),
                             nullptr);
    if (!m_tips)
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot make the windows' tooltips.");
    SendMessageW(m_tips, TTM_SETMAXTIPWIDTH, 0,
                 MulDiv(kMaxTipWidthAt96Dpi, static_cast<int>(GetDpiForWindow(window)), 96));
}

void ToolTips::add(HWND control, const std::wstring &text)
{
    // The tooltip keeps a copy of the text; it only asks for a pointer that is not const.
    std::wstring copy = text;
    addTool(control, copy.data());
}

void ToolTips::addAskingWindow(HWND control)
{
    addTool(control, LPSTR_TEXTCALLBACKW);
}

void ToolTips::addTool(HWND control, wchar_t *text)
{
    TTTOOLINFOW tool {};
    tool.cbSize = sizeof tool;
    // The tooltip watches the control's own mouse messages; the control sends its notices to m_window.
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = m_window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    if (!SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot give a control its tooltip.");
}

} // namespace jestrel
