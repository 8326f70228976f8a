#pragma once

#include <windows.h>

namespace jestrel
{

// Sent to a top-level window, lParam pointing at the MSG, before the message loop handles a key
// message for it or its controls: a window that answers TRUE has taken the key.
inline constexpr UINT kPreviewKeyMessage = WM_APP + 0x100;

// Takes and dispatches messages until the program ends; returns its exit status. Each window
// first sees its keys with kPreviewKeyMessage, then gets a dialog's keyboard handling: Tab moves
// the focus, Enter presses the default button, Escape sends IDCANCEL and access keys press their
// controls.
int runMessageLoop();

// Shows window, which has an owner, and returns once it is hidden by hideModal() or the program
// ends. The owner takes no input meanwhile.
void showModal(HWND window);
// Hides a window that showModal() shows and hands the activation back to its owner.
void hideModal(HWND window);

// Whether the top-level window that window is or stands in is disabled, as a window is while a
// modal box it owns shows, or while a failure is reported. Windows then keeps the mouse from it,
// but not every key, nor a screen reader's action.
bool isBlockedByModalBox(HWND window);

} // namespace jestrel
