#pragma once

#include "forms/FormDescription.h"

#include <functional>
#include <optional>
#include <windows.h>

namespace jestrel
{

// Which window and control take the keyboard, all in one place: a modal box shows and is put away
// here, and a window blocked by one hands every activation it is given to the box, as Windows does
// for a dialog's owner. An activated window gives the focus back to the control that had it when
// the window was last deactivated, or else to the first that takes it, unless its form has a
// got-focus handler of its own.
class Modality
{
public:
    explicit Modality(const forms::FormDescription &form) : m_form(form) { }

    // Shows window, which its form describes as a modal box, and returns once it is put away.
    void showModally(HWND window, const std::function<void()> &load);
    void setGotFocusHandler(std::function<void()> handler) { m_gotFocus = std::move(handler); }
    // Its handling of window's activation, focus, showing and frame's close; nullopt leaves the
    // message to others.
    std::optional<LRESULT> onMessage(HWND window, UINT message, WPARAM wParam);

private:
    const forms::FormDescription &m_form;
    forms::ModalBoxLifetime m_lifetime;
    std::function<void()> m_gotFocus;
    HWND m_lastFocus = nullptr;
};

// Hides a window that Modality shows and hands the activation back to its owner.
void hideModal(HWND window);

// Whether the top-level window that window is or stands in is disabled, as a window is while a
// modal box it owns shows, or while a failure is reported. Windows then keeps the mouse from it,
// but not every key, nor a screen reader's action.
bool isBlockedByModalBox(HWND window);

} // namespace jestrel
