#pragma once

#include <windows.h>

namespace jestrel
{

// The program's own window messages, all here so that no two share an id.

// Posted to the main window as it is made, so taken once it shows.
inline constexpr UINT kShownMessage = WM_APP;
// Sent to a top-level window, lParam pointing at the MSG, before the message loop handles a key
// message for it or its controls: a window that answers TRUE has taken the key.
inline constexpr UINT kPreviewKeyMessage = WM_APP + 0x100;
// Sent to a form, wParam its key-press button's id and lParam the character, for each character
// typed on that button.
inline constexpr UINT kKeyPressMessage = WM_APP + 0x101;
// Posted to a window blocked by a modal box that has just been activated, or whose box has just
// shown: the box takes the activation.
inline constexpr UINT kActivateModalBoxMessage = WM_APP + 0x102;
// Sent to a form whose window takes dropped files, lParam pointing at the std::vector of the UTF-8
// paths dropped.
inline constexpr UINT kDropFileMessage = WM_APP + 0x103;

} // namespace jestrel
