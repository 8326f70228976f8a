#include "ui/win32/Modality.h"

#include "platform/win32/MessageLoop.h"
#include "platform/win32/WindowMessages.h"
#include "ui/win32/KeyPreview.h"

#include <algorithm>
#include <vector>

namespace jestrel
{

namespace
{

// Marks a window whose modal showing goes on. Windows hides owned windows while their owner is
// minimised, so being hidden does not end the showing: only hideModal() does.
constexpr const wchar_t *kShownModally = L"Jestrel.ShownModally";

// The shown modal box that owner has, if any.
HWND modalBoxOf(HWND owner)
{
    struct Search {
        HWND owner;
        HWND found = nullptr;
    } search { owner };
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM parameter) CALLBACK -> BOOL {
            auto &wanted = *reinterpret_cast<Search *>(parameter);
            if (GetWindow(window, GW_OWNER) == wanted.owner && IsWindowVisible(window) && IsWindowEnabled(window))
                wanted.found = window;
            return wanted.found ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void Modality::showModally(HWND window, const std::function<void()> &load)
{
    m_lifetime.show(load, [window] {
        SetPropW(window, kShownModally, reinterpret_cast<HANDLE>(1));
        EnableWindow(GetWindow(window, GW_OWNER), FALSE);
        ShowWindow(window, SW_SHOW);
        runMessageLoopWhile([window] { return GetPropW(window, kShownModally) != nullptr; });
        RemovePropW(window, kShownModally);
        EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    });
}

std::optional<LRESULT> Modality::onMessage(HWND window, UINT message, WPARAM wParam)
{
    switch (message) {
    case WM_CLOSE:
        if (m_form.showing != forms::Showing::ModalBox)
            break;
        hideModal(window);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            // Given back at the next activation, as a dialog does.
            if (const HWND focus = GetFocus(); focus && IsChild(window, focus))
                m_lastFocus = focus;
        } else if (isBlockedByModalBox(window)) {
            // Restored from the taskbar, a blocked window would otherwise hold the keyboard focus.
            PostMessageW(window, kActivateModalBoxMessage, 0, 0);
            return 0;
        } else if (m_gotFocus) {
            m_gotFocus();
            return 0;
        }
        break;
    case WM_SHOWWINDOW:
        // A box shown again with its owner, as the owner is restored, takes the activation back.
        if (wParam && m_form.showing == forms::Showing::ModalBox)
            PostMessageW(GetWindow(window, GW_OWNER), kActivateModalBoxMessage, 0, 0);
        break;
    case kActivateModalBoxMessage:
        // As Windows hands the activation to the dialog that a disabled window owns.
        if (const HWND box = modalBoxOf(window); box && GetActiveWindow() == window)
            SetActiveWindow(box);
        return 0;
    case WM_SETFOCUS: {
        const std::vector<HWND> stops = tabStops(window, m_form);
        const auto kept = std::ranges::find(stops, m_lastFocus);
        if (kept != stops.end() || !stops.empty()) {
            SetFocus(kept != stops.end() ? *kept : stops.front());
            return 0;
        }
        break;
    }
    }
    return std::nullopt;
}

void hideModal(HWND window)
{
    RemovePropW(window, kShownModally);
    // Enabled before the window hides, so that Windows activates the owner and not another program.
    EnableWindow(GetWindow(window, GW_OWNER), TRUE);
    ShowWindow(window, SW_HIDE);
}

bool isBlockedByModalBox(HWND window)
{
    return !IsWindowEnabled(GetAncestor(window, GA_ROOT));
}

} // namespace jestrel
