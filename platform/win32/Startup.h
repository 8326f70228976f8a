#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace jestrel
{

struct Program {
    // Creates and loads the start-up window while it is still hidden.
    std::function<HWND()> loadStartupWindow;
    // Said beside a failure to find the file a first start needs.
    std::function<std::string()> missingFileAdvice;
};

// Runs the program: has the start-up window created and loaded while it is still hidden, then
// shows it as showCommand says and runs the message loop. A failure while loading is reported and
// no window ever shows. Returns the exit status.
int runProgram(int showCommand, const Program &program);

// Every window message is handled through this: the first failure that escapes a handler, the
// run-time failure or any other, is reported to the user and the program ends with status 1.
// Nothing may cross the system's code that calls a window procedure.
void runHandler(const std::function<void()> &handler);

// Ends the program with status: every window disappears at once and no close handler runs.
void endProgram(int status);

} // namespace jestrel
