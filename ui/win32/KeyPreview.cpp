#include "ui/win32/KeyPreview.h"

#include "platform/RuntimeFailure.h"
#include "platform/win32/WindowMessages.h"
#include "ui/win32/ControlIds.h"

#include <algorithm>
#include <commctrl.h>
#include <string>

namespace jestrel
{

namespace
{

LRESULT CALLBACK keyPressProcedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_GETDLGCODE:
        // Without this the dialog keyboard handling would take letters as access keys.
        return DefSubclassProc(button, message, wParam, lParam) | DLGC_WANTCHARS;
    case WM_CHAR:
        SendMessageW(GetParent(button), kKeyPressMessage, static_cast<WPARAM>(GetDlgCtrlID(button)),
                     static_cast<LPARAM>(wParam));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, keyPressProcedure, 0);
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

} // namespace

void KeyPreview::addControlKeyCommand(char key, int commandId)
{
    m_controlKeyCommands.push_back({ static_cast<WPARAM>(key), commandId });
}

bool KeyPreview::take(HWND window, const MSG &key, const std::function<void(WPARAM, LPARAM)> &command) const
{
    constexpr LPARAM kPreviousKeyStateDown = 1 << 30;
    const bool down = key.message == WM_KEYDOWN || key.message == WM_SYSKEYDOWN;
    if (down && !m_form.takesRepeatedKeys && (key.lParam & kPreviousKeyStateDown) != 0)
        return true;
    const auto isDown = [](int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; };
    if (key.message == WM_KEYDOWN && isDown(VK_CONTROL) && !isDown(VK_MENU)) {
        const auto found = std::ranges::find(m_controlKeyCommands, key.wParam, &ControlKeyCommand::key);
        if (found != m_controlKeyCommands.end()) {
            command(MAKEWPARAM(found->commandId, 1), 0);
            return true;
        }
    }
    if (key.message == WM_KEYDOWN && key.wParam == VK_RETURN) {
        // The dialog keyboard handling would press the default button instead of a focused picture
        // box, which is no push button to it.
        const HWND focus = GetFocus();
        const auto described = std::ranges::find_if(m_form.controls, [&](const forms::ControlDescription &control) {
            return control.kind == forms::ControlKind::PictureBox && GetDlgItem(window, controlId(control)) == focus;
        });
        if (described == m_form.controls.end())
            return false;
        command(MAKEWPARAM(controlId(*described), BN_CLICKED), reinterpret_cast<LPARAM>(focus));
        return true;
    }
    if (key.message != WM_KEYDOWN || key.wParam != VK_TAB)
        return false;
    // The dialog keyboard handling would move the focus in the order the controls were made.
    const std::vector<HWND> stops = tabStops(window, m_form);
    if (stops.empty())
        return true;
    const bool backwards = isDown(VK_SHIFT);
    const auto focus = std::ranges::find(stops, GetFocus());
    std::size_t next = 0;
    if (focus != stops.end())
        next = (static_cast<std::size_t>(focus - stops.begin()) + (backwards ? stops.size() - 1 : 1)) % stops.size();
    SetFocus(stops[next]);
    return true;
}

std::vector<HWND> tabStops(HWND window, const forms::FormDescription &form)
{
    std::vector<HWND> stops;
    for (const forms::ControlDescription *description : form.tabOrder()) {
        const HWND control = GetDlgItem(window, controlId(*description));
        if ((GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) && IsWindowEnabled(control)
            && IsWindowVisible(control))
            stops.push_back(control);
    }
    return stops;
}

void watchKeyPresses(HWND button, std::string_view name)
{
    if (!SetWindowSubclass(button, keyPressProcedure, 0, 0))
        throw RuntimeFailure(FailureKind::WindowOperation, "Cannot watch the keys of " + std::string(name) + ".");
}

} // namespace jestrel
