#include "platform/ProgramLauncher.h"
#include "platform/RuntimeFailure.h"
#include "platform/SystemFolder.h"
#include "platform/WideText.h"
#include "support/AwaitFile.h"
#include "support/CurrentDir.h"
#include "support/TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <sstream>
#include <string>
#include <windows.h>

namespace jestrel
{
namespace
{

// The probe is built beside this test program.
std::filesystem::path probe()
{
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    return std::filesystem::path(self).replace_filename(L"show_window_probe.exe");
}

TEST(SystemLauncher, StartsTheCommandLineAsItStandsShownAsAsked)
{
    test::TempDir dir;
    const auto report = dir.path() / "shown";
    std::ostringstream command;
    command << std::quoted(test::utf8(probe())) << ' ' << std::quoted(test::utf8(report));

    EXPECT_GT(SystemLauncher().launch(command.str(), kMinimizedFocusWindowStyle), 0);
    ASSERT_TRUE(test::awaitFile(report));
    int shown = -1;
    std::ifstream(report) >> shown;
    EXPECT_EQ(shown, SW_SHOWMINIMIZED);
}

// A program named without its folder comes from the system folder, never from the program's own
// folder or the current one, which Windows would search first, where the sayings file lives and
// anybody may leave a program of that name. Where the system has none of that name, as Wine has no
// calculator, it fails to start, for want of that file only.
TEST(SystemLauncher, AProgramNamedAloneComesFromTheSystemFolderOnly)
{
    test::TempDir dir;
    const std::filesystem::path planted[] = { dir.path() / "calc.exe", probe().replace_filename(L"calc.exe") };
    struct Removed {
        const std::filesystem::path &path;
        ~Removed() { std::filesystem::remove(path); }
    } removed { planted[1] };
    for (const std::filesystem::path &path : planted)
        std::filesystem::copy_file(probe(), path, std::filesystem::copy_options::overwrite_existing);
    const test::CurrentDir inDir(dir.path());
    const auto mark = dir.path() / "planted";
    const std::string command = "calc.exe " + test::utf8(mark);
    int started = 0;
    try {
        // The system's own calculator, where there is one.
        started = SystemLauncher().launch(command, 1);
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
        EXPECT_EQ(std::string(failure.what()), "Cannot start " + command + ": no such file or directory.");
    }
    EXPECT_FALSE(test::awaitFile(mark, std::chrono::milliseconds(500))) << "a planted calc.exe ran";
    if (const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(started))) {
        TerminateProcess(process, 0);
        CloseHandle(process);
    }
}

// Without the system folder a program named alone is looked for nowhere else, such as at the root
// of the current drive.
TEST(SystemLauncher, AProgramNamedAloneFailsWhereTheSystemFolderCannotBeTold)
{
    const SystemFolderCall unknown = [](LPWSTR, UINT) WINAPI -> UINT {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return 0;
    };
    try {
        programInSystemFolder(L"calc.exe", unknown);
        FAIL() << "a path was made";
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
        EXPECT_STREQ(failure.what(),
                     "Cannot start calc.exe: the system folder, which holds it, cannot be found: no such file or "
                     "directory.");
    }
    EXPECT_EQ(programInSystemFolder(L"C:\\tools\\calc.exe", unknown), L"");
}

TEST(SystemLauncher, ACommandThatCannotStartIsALaunchFailure)
{
    try {
        SystemLauncher().launch("no-such-tool", kMinimizedFocusWindowStyle);
        FAIL() << "launched";
    } catch (const RuntimeFailure &failure) {
        EXPECT_EQ(failure.kind(), FailureKind::LaunchFailure);
        EXPECT_STREQ(failure.what(), "Cannot start no-such-tool: no such file or directory.");
    }
}

} // namespace
} // namespace jestrel
