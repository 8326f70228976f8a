#include "platform/ProgramLauncher.h"

#include "platform/RuntimeFailure.h"
#include "platform/SystemErrorText.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace jestrel
{

namespace
{

constexpr std::array kCalculators { "gnome-calculator", "kcalc", "galculator", "xcalc" };

// What the launch's children tell the launcher through the report pipe.
struct Report {
    enum Kind : int { Started, Failed } kind;
    int value; // the program's process id, or the errno of what failed
};

RuntimeFailure launchFailure(const std::string &program, int error)
{
    return RuntimeFailure(FailureKind::LaunchFailure, "Cannot start " + program + ": " + systemErrorText(error) + ".");
}

// The full path of program as execvp() would find it. It is looked for before fork(), because
// the search allocates, and after fork() only async-signal-safe calls are allowed.
std::optional<std::string> findOnPath(const std::string &program)
{
    if (program.find('/') != std::string::npos)
        return program;
    const char *path = std::getenv("PATH");
    std::istringstream directories(path ? path : "");
    for (std::string directory; std::getline(directories, directory, ':');) {
        const auto candidate = std::filesystem::path(directory.empty() ? "." : directory) / program;
        std::error_code error;
        if (!std::filesystem::is_directory(candidate, error) && ::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return std::nullopt;
}

// The program to start and its full path.
std::pair<std::string, std::string> resolve(std::string_view command)
{
    if (command != "calc.exe") {
        std::string program(command);
        if (auto file = findOnPath(program))
            return { program, *file };
        throw launchFailure(program, ENOENT);
    }
    for (const char *calculator : kCalculators) {
        if (auto file = findOnPath(calculator))
            return { calculator, *file };
    }
    throw RuntimeFailure(FailureKind::LaunchFailure,
                         "Cannot start the calculator: none of gnome-calculator, kcalc, galculator or xcalc is "
                         "installed.");
}

void send(int reportPipe, Report report) noexcept
{
    // A write this small to a pipe is never split.
    [[maybe_unused]] const ssize_t written = ::write(reportPipe, &report, sizeof report);
}

// Runs in the first child. It starts the program in a second child and exits at once, so the
// launcher can reap it straight away and the program, orphaned, is reaped by init when it ends.
// The report pipe closes on exec, so a failed exec is the only news from the second child.
[[noreturn]] void startOrphan(const char *file, char *const argv[], int reportPipe) noexcept
{
    const pid_t program = ::fork();
    if (program == 0) {
        ::execve(file, argv, environ);
        send(reportPipe, { Report::Failed, errno });
        ::_exit(127);
    }
    send(reportPipe, program > 0 ? Report { Report::Started, program } : Report { Report::Failed, errno });
    ::_exit(0);
}

// Everything the children reported, read until both have closed their end.
std::vector<Report> readReports(int reportPipe)
{
    std::array<Report, 2> reports {};
    std::size_t filled = 0;
    while (filled < sizeof reports) {
        const ssize_t count
            = ::read(reportPipe, reinterpret_cast<char *>(reports.data()) + filled, sizeof reports - filled);
        if (count > 0)
            filled += static_cast<std::size_t>(count);
        else if (count == 0 || errno != EINTR)
            break;
    }
    return std::vector<Report>(reports.begin(), reports.begin() + static_cast<std::ptrdiff_t>(filled / sizeof(Report)));
}

void reap(pid_t child)
{
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) { }
}

} // namespace

int SystemLauncher::launch(std::string_view command, int /*windowStyle: the desktop decides how windows start*/)
{
    auto [program, file] = resolve(command);
    char *argv[] = { program.data(), nullptr };

    int reportPipe[2];
    if (::pipe2(reportPipe, O_CLOEXEC) != 0)
        throw launchFailure(program, errno);
    const pid_t child = ::fork();
    if (child == 0)
        startOrphan(file.c_str(), argv, reportPipe[1]);
    const int forkError = errno;
    ::close(reportPipe[1]);
    if (child < 0) {
        ::close(reportPipe[0]);
        throw launchFailure(program, forkError);
    }
    reap(child);
    const std::vector<Report> reports = readReports(reportPipe[0]);
    ::close(reportPipe[0]);

    int started = 0;
    for (const Report &report : reports) {
        if (report.kind == Report::Failed)
            throw launchFailure(program, report.value);
        started = report.value;
    }
    if (started <= 0)
        throw launchFailure(program, ECHILD);
    return started;
}

} // namespace jestrel
