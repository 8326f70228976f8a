#pragma once

#include <QIcon>

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>

class QWidget;

namespace jestrel
{

struct Program {
    // Told the arguments the toolkit left once it has started, those it takes out: nullopt goes
    // on, a status ends the program at once with it, the arguments answered or refused.
    std::function<std::optional<int>(std::span<char *const> arguments)> readArguments;
    // Creates and loads the start-up window while it is still hidden.
    std::function<std::unique_ptr<QWidget>()> loadStartupWindow;
    // Every window's icon.
    std::function<QIcon()> icon;
    // Said beside a failure to find the file a first start needs.
    std::function<std::string()> missingFileAdvice;
};

// Runs the program: creates the toolkit, which takes its own options out of argc and argv, has
// the rest read, has the start-up window created and loaded while it is still hidden, then shows
// it and runs the event loop. A failure while loading is reported and no window ever shows.
// Returns the exit status.
int runProgram(int &argc, char **argv, const Program &program);

// runProgram's part once the toolkit exists.
int startProgram(const Program &program);

// Every event handler runs through this: the first failure that escapes a handler, the run-time
// failure or any other, is reported to the user and the program ends with status 1.
void runHandler(const std::function<void()> &handler);

// Ends the program at once with status; no close handler runs.
void endProgram(int status);

} // namespace jestrel
