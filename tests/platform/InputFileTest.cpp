#include "platform/InputFile.h"
#include "platform/RuntimeFailure.h"
#include "support/TempDir.h"

#include <array>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "platform/WideText.h"

#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace jestrel
{
namespace
{

using ::testing::HasSubstr;

// Opens path and returns the failure it raises.
RuntimeFailure openFailure(const std::string &path)
{
    try {
        InputFile file(path);
    } catch (const RuntimeFailure &failure) {
        return failure;
    }
    ADD_FAILURE() << path << " opened";
    return RuntimeFailure(FailureKind::WindowOperation, "");
}

TEST(InputFile, ReadsARegularFileToItsEnd)
{
    test::TempDir dir;
    InputFile file(test::utf8(dir.write("Jestrel.Ini", "2\r\nHello\r\n")));
    std::array<char, 64> buffer {};
    EXPECT_EQ(file.read(buffer), 10u);
    EXPECT_EQ(file.read(buffer), 0u);
}

TEST(InputFile, MissingFileNamesTheFolderLookedIn)
{
    test::TempDir dir;
    // A name that is not UTF-8 is reported the same way, not lost to a failure to convert it. A
    // path longer than Windows once allowed, in a folder that is not there, is missing too.
    const std::filesystem::path longFolder = dir.path() / std::string(200, 'y') / std::string(100, 'z');
    for (const auto &[path, folder] : { std::pair { test::utf8(dir.path() / "Jestrel.Ini"), dir.path() },
                                        std::pair { test::utf8(dir.path()) + "/\xff.Ini", dir.path() },
                                        std::pair { test::utf8(longFolder / "Jestrel.Ini"), longFolder } }) {
        SCOPED_TRACE(path);
        const RuntimeFailure failure = openFailure(path);
        EXPECT_EQ(failure.kind(), FailureKind::FileNotFound);
        EXPECT_EQ(std::string(failure.what()),
                  "Cannot open " + path + ": there is no such file in " + test::utf8(folder) + ".");
    }
}

// An editor may save the sayings while a draw reads them: in place, or by moving the old file
// aside and writing a new one.
TEST(InputFile, LetsTheFileBeSavedWhileOpen)
{
    test::TempDir dir;
    const auto path = dir.write("Jestrel.Ini", "2\r\nold\r\n");
    InputFile file(test::utf8(path));
    EXPECT_TRUE(std::ofstream(path, std::ios::binary | std::ios::app) << "more\r\n");
    std::error_code error;
    std::filesystem::rename(path, dir.path() / "Jestrel.Ini.bak", error);
    EXPECT_FALSE(error) << error.message();
}

#ifdef _WIN32
using Handle = std::unique_ptr<void, decltype(&CloseHandle)>;
#endif

TEST(InputFile, RefusesWhatItCannotReadWithoutWaiting)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    std::vector<std::pair<std::string, std::string>> cases {
        { test::utf8(dir.path() / "folder"), "it is a folder, not a text file." },
    };
#ifdef _WIN32
    const std::string locked = test::utf8(dir.write("locked", "2\r\nsecret\r\n"));
    const Handle lock(CreateFileW(toWide(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr),
                      &CloseHandle);
    ASSERT_NE(lock.get(), INVALID_HANDLE_VALUE);
    const std::string pipeName = "\\\\.\\pipe\\jestrel-test-" + std::to_string(GetCurrentProcessId());
    const Handle pipe(
        CreateNamedPipeW(toWide(pipeName).c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE, 1, 0, 0, 0, nullptr),
        &CloseHandle);
    ASSERT_NE(pipe.get(), INVALID_HANDLE_VALUE);
    cases.insert(cases.end(),
                 {
                     { locked, "another program has locked it." },
                     { pipeName, "it is a pipe, not a text file." },
                     { "NUL", "it is a device, not a text file." },
                 });
#else
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path() / "zero");
    cases.insert(cases.end(),
                 {
                     { test::utf8(dir.path() / "pipe"), "it is a pipe, not a text file." },
                     { test::utf8(dir.path() / "zero"), "it is a device, not a text file." },
                     // Longer than the file system takes a name: whether it is there cannot be told.
                     { test::utf8(dir.path() / std::string(300, 'x')), "the name is too long." },
                 });
#endif
    for (const auto &[path, fault] : cases) {
        SCOPED_TRACE(path);
        const RuntimeFailure failure = openFailure(path);
        EXPECT_EQ(failure.kind(), FailureKind::FileNotReadable);
        EXPECT_THAT(failure.what(), HasSubstr(path + ": " + fault));
    }
}

} // namespace
} // namespace jestrel
