#pragma once

#include "forms/FormDescription.h"

#include <windows.h>

namespace jestrel
{

// Has the control answer the Windows accessibility interfaces as its kind of control does, with
// the role, and for what can be pressed the default action, that a screen reader reads; its name
// and state are the system's own, the name from its text without its "&" marks. Wine, and a
// control drawn by its owner, would otherwise report every control as a bare window.
void makeAccessible(HWND control, forms::ControlKind kind);

} // namespace jestrel
