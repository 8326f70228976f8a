#pragma once

#include <windows.h>

namespace jestrel
{

// Takes and dispatches messages until the program ends; returns its exit status. Each window
// gets a dialog's keyboard handling: Tab moves the focus, Enter presses the default button,
// Escape sends IDCANCEL and access keys press their controls.
int runMessageLoop();

// Shows window, which has an owner, and returns once it is hidden by hideModal() or the program
// ends. The owner takes no input meanwhile.
void showModal(HWND window);
// Hides a window that showModal() shows and hands the activation back to its owner.
void hideModal(HWND window);

} // namespace jestrel
