#include "platform/ProgramLauncher.h"
#include "platform/RuntimeFailure.h"
#include "support/TempDir.h"

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

// A stand-in calculator that leaves a file named after itself when it starts.
void writeFakeProgram(const test::TempDir &dir, const std::string &name, bool executable = true)
{
    // Only a shell builtin: the PATH holds nothing but the fakes.
    const auto program = dir.write(name, "#!/bin/sh\n: > '" + (dir.path() / (name + ".started")).string() + "'\n");
    if (executable)
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
}

// Launches and waits for the program to end, which the launcher itself never does.
void launchAndReap(SystemLauncher &launcher, std::string_view command)
{
    const int task = launcher.launch(command, kMinimizedFocusWindowStyle);
    ASSERT_GT(task, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(task, &status, 0), task);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(SystemLauncher, CalculatorIsTheFirstOfTheKnownOnesOnThePath)
{
    test::TempDir dir;
    writeFakeProgram(dir, "xcalc");
    writeFakeProgram(dir, "kcalc");
    writeFakeProgram(dir, "gnome-calculator", false);
    ScopedPath path(dir.path().string());

    SystemLauncher launcher;
    launchAndReap(launcher, "calc.exe");
    // A calculator that cannot be run is passed over.
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "kcalc.started"));
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
    ScopedPath path(dir.path().string());

    SystemLauncher launcher;
    launchAndReap(launcher, "tool");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "tool.started"));

    try {
        launcher.launch("no-such-tool", kMinimizedFocusWindowStyle);
        FAIL() << "launched";
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
        EXPECT_STREQ(failure.what(), "Cannot start no-such-tool: no such file or directory.");
    }
}

} // namespace
} // namespace jestrel
