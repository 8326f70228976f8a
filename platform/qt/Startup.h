#pragma once

#include <QIcon>

#include <functional>
#include <memory>

class QWidget;

namespace jestrel
{

// Runs the program: creates the toolkit, gives every window the program's icon, has
// loadStartupWindow create and load the start-up window while it is still hidden, then shows it
// and runs the event loop. A failure while loading is reported and no window ever shows. Returns
// the exit status.
int runProgram(const char *programPath, const std::function<QIcon()> &programIcon,
               const std::function<std::unique_ptr<QWidget>()> &loadStartupWindow);

// runProgram's part once the toolkit exists.
int startProgram(const std::function<std::unique_ptr<QWidget>()> &loadStartupWindow);

// Every event handler runs through this: a failure that escapes the handler, the run-time failure
// or any other, is reported to the user and the program ends with status 1.
void runHandler(const std::function<void()> &handler);

// What connect() takes to run form's handler through runHandler.
template<typename Form> auto handler(Form *form, void (Form::*method)())
{
    return [form, method] { runHandler([form, method] { (form->*method)(); }); };
}

// Ends the program at once with status; no close handler runs.
void endProgram(int status);

} // namespace jestrel
