#include "platform/ProgramLauncher.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <string>
#include <unistd.h>

extern char **environ;

namespace jestrel
{

namespace
{

constexpr std::array kCalculators { "gnome-calculator", "kcalc", "galculator", "xcalc" };

bool onPath(const std::string &program)
{
    const char *path = std::getenv("PATH");
    std::istringstream directories(path ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        const auto candidate = std::filesystem::path(directory.empty() ? "." : directory) / program;
        if (::access(candidate.c_str(), X_OK) == 0)
            return true;
    }
    return false;
}

std::string resolve(std::string_view command)
{
    if (command != "calc.exe")
        return std::string(command);
    for (const char *calculator : kCalculators) {
        if (onPath(calculator))
            return calculator;
    }
    throw RuntimeFailure(FailureKind::LaunchFailure,
                         "Cannot start the calculator: none of gnome-calculator, kcalc, galculator or xcalc is "
                         "installed.");
}

} // namespace

int SystemLauncher::launch(std::string_view command, int /*windowStyle: the desktop decides how windows start*/)
{
    std::string program = resolve(command);
    char *argv[] = { program.data(), nullptr };
    pid_t pid = 0;
    const int error = ::posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv, environ);
    if (error != 0)
        throw RuntimeFailure(FailureKind::LaunchFailure,
                             "Cannot start " + program + ": " + systemErrorText(error) + ".");
    return static_cast<int>(pid);
}

} // namespace jestrel
