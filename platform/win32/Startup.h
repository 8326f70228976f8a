#pragma once

#include <functional>
#include <windows.h>

namespace jestrel
{

// Runs the program: loadStartupWindow creates and loads the start-up window while it is still
// hidden; then it shows as showCommand says and the message loop runs. A failure while loading is
// reported and no window ever shows. Returns the exit status.
int runProgram(int showCommand, const std::function<HWND()> &loadStartupWindow);

// Every window message is handled through this: a failure that escapes the handler, the run-time
// failure or any other, is reported to the user and the program ends with status 1. Nothing may
// cross the system's code that calls a window procedure.
void runHandler(const std::function<void()> &handler);

// Ends the program with status: every window disappears at once and no close handler runs.
void endProgram(int status);

} // namespace jestrel
