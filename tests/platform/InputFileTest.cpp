#include "platform/InputFile.h"
#include "platform/RuntimeFailure.h"
#include "support/TempDir.h"

#include <array>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace jestrel
{
namespace
{

using ::testing::HasSubstr;

// Opens path and returns the failure it raises.
RuntimeFailure openFailure(const std::filesystem::path &path)
{
    try {
        InputFile file(path.string());
    } catch (const RuntimeFailure &failure) {
        return failure;
    }
    ADD_FAILURE() << path << " opened";
    return RuntimeFailure(FailureKind::WindowOperation, "");
}

TEST(InputFile, ReadsARegularFileToItsEnd)
{
    test::TempDir dir;
    InputFile file(dir.write("Jestrel.Ini", "2\r\nHello\r\n").string());
    std::array<char, 64> buffer {};
    EXPECT_EQ(file.read(buffer), 10u);
    EXPECT_EQ(file.read(buffer), 0u);
}

TEST(InputFile, MissingFileNamesTheFolderLookedIn)
{
    test::TempDir dir;
    const RuntimeFailure failure = openFailure(dir.path() / "Jestrel.Ini");
    EXPECT_EQ(failure.kind(), FailureKind::FileNotFound);
    EXPECT_EQ(std::string(failure.what()),
              "Cannot open " + (dir.path() / "Jestrel.Ini").string() + ": there is no such file in "
                  + dir.path().string() + ".");
}

TEST(InputFile, RefusesWhatIsNotARegularFileWithoutWaiting)
{
    test::TempDir dir;
    std::filesystem::create_directory(dir.path() / "folder");
    ASSERT_EQ(::mkfifo((dir.path() / "pipe").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.path() / "zero");

    const std::array<std::pair<const char *, const char *>, 3> cases { {
        { "folder", "it is a folder, not a text file." },
        { "pipe", "it is a pipe, not a text file." },
        { "zero", "it is a device, not a text file." },
    } };
    for (const auto &[name, fault] : cases) {
        SCOPED_TRACE(name);
        const RuntimeFailure failure = openFailure(dir.path() / name);
        EXPECT_EQ(failure.kind(), FailureKind::FileNotReadable);
        EXPECT_THAT(failure.what(), HasSubstr(std::string(name) + ": " + fault));
    }
}

} // namespace
} // namespace jestrel
