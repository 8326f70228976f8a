#include "platform/ProgramLauncher.h"
#include "platform/RuntimeFailure.h"
#include "support/AwaitFile.h"
#include "support/TempDir.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <sys/wait.h>

namespace jestrel
{
namespace
{

// Sets PATH for as long as this object lives.
class ScopedPath
{
public:
    explicit ScopedPath(const std::string &path)
    {
        if (const char *previous = std::getenv("PATH"))
            m_previous = previous;
        ::setenv("PATH", path.c_str(), 1);
    }
    ~ScopedPath()
    {
        if (m_previous)
            ::setenv("PATH", m_previous->c_str(), 1);
        else
            ::unsetenv("PATH");
    }
    ScopedPath(const ScopedPath &) = delete;
    ScopedPath &operator=(const ScopedPath &) = delete;

private:
    std::optional<std::string> m_previous;
};

// A stand-in program that leaves a file named after itself when it starts.
void writeFakeProgram(const test::TempDir &dir, const std::string &name, bool executable = true)
{
    // Only a shell builtin: the PATH holds nothing but the fakes.
    const auto program = dir.write(name, "#!/bin/sh\n: > '" + (dir.path() / (name + ".started")).string() + "'\n");
    if (executable)
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

// Launches and waits for the program to start. The launcher leaves no child of ours behind, not
// even one that has already ended and waits to be reaped.
void launchAndAwaitStart(SystemLauncher &launcher, std::string_view command, const std::filesystem::path &started)
{
    EXPECT_GT(launcher.launch(command, kMinimizedFocusWindowStyle), 0);
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    EXPECT_TRUE(test::awaitFile(started)) << started;
}

TEST(SystemLauncher, CalculatorIsTheFirstOfTheKnownOnesOnThePath)
{
    test::TempDir dir;
    writeFakeProgram(dir, "xcalc");
    writeFakeProgram(dir, "kcalc");
    writeFakeProgram(dir, "gnome-calculator", false);
    ScopedPath path(dir.path().string());

    SystemLauncher launcher;
    // A calculator that cannot be run is passed over.
    launchAndAwaitStart(launcher, "calc.exe", dir.path() / "kcalc.started");
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "xcalc.started"));
}

TEST(SystemLauncher, NoCalculatorOnThePathIsALaunchFailure)
{
    test::TempDir empty;
    ScopedPath path(empty.path().string());
    try {
        SystemLauncher().launch("calc.exe", kMinimizedFocusWindowStyle);
        FAIL() << "launched";
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
        EXPECT_STREQ(failure.what(),
                     "Cannot start the calculator: none of gnome-calculator, kcalc, galculator or xcalc is installed.");
    }
}

TEST(SystemLauncher, OtherCommandsStartAsNamedOrFailWithTheCause)
{
    test::TempDir dir;
    writeFakeProgram(dir, "tool");
    // Found on the PATH, so only the exec in the child can tell it is no program.
    std::filesystem::permissions(dir.write("broken", "no program\n"), std::filesystem::perms::owner_all);
    ScopedPath path(dir.path().string());

    SystemLauncher launcher;
    launchAndAwaitStart(launcher, "tool", dir.path() / "tool.started");

    const std::array<std::pair<const char *, const char *>, 2> failures { {
        { "no-such-tool", "Cannot start no-such-tool: no such file or directory." },
        { "broken", "Cannot start broken: it is not a program this system can run." },
    } };
    for (const auto &[command, message] : failures) {
        SCOPED_TRACE(command);
        try {
            launcher.launch(command, kMinimizedFocusWindowStyle);
            ADD_FAILURE() << "launched";
        } catch (const RuntimeFailure &failure) {
            EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
            EXPECT_STREQ(failure.what(), message);
        }
    }
}

} // namespace
} // namespace jestrel
