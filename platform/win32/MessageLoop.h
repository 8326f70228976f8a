#pragma once

#include <functional>

namespace jestrel
{

// Takes and dispatches messages until the program ends; returns its exit status. Each window
// first sees its keys with kPreviewKeyMessage, then gets a dialog's keyboard handling: Tab moves
// the focus, Enter presses the default button, Escape sends IDCANCEL and access keys press their
// controls.
int runMessageLoop();

// Takes and dispatches messages as runMessageLoop() does while going() holds, or until the program
// is to end, which it leaves to the outer loop.
void runMessageLoopWhile(const std::function<bool()> &going);

} // namespace jestrel
