#pragma once

#include "forms/FormDescription.h"

#include <windows.h>

namespace jestrel
{

// Has the control answer the Windows accessibility interfaces as its kind of control does, with
// the role, and for what can be pressed the default action, that a screen reader reads; its name
// and state are the system's own, the name from its text without its "&" marks. Wine, and a
// control drawn by its owner, would otherwise report every control as a bare window. While a
// modal box blocks its window, it reads as unavailable and refuses its default action.
void makeAccessible(HWND control, forms::ControlKind kind);

// Has a modal box's window read as a dialog, as a dialog-class window does.
void makeAccessibleModalBox(HWND window);

} // namespace jestrel
