#pragma once

#include <string>
#include <windows.h>

namespace jestrel
{

// The tooltips of one window's controls. They go with the window.
class ToolTips
{
public:
    explicit ToolTips(HWND window);

    // A tip that always reads text.
    void add(HWND control, const std::wstring &text);
    // A tip whose text the window is asked for, by TTN_GETDISPINFOW, each time it is to show;
    // an empty text shows none.
    void addAskingWindow(HWND control);

private:
    void addTool(HWND control, wchar_t *text);

    HWND m_window;
    HWND m_tips;
};

} // namespace jestrel
