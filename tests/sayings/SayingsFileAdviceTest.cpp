#include "sayings/SayingsFileAdvice.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace jestrel
{
namespace
{

using ::testing::HasSubstr;
using ::testing::Not;

TEST(SayingsFileAdvice, PointsAtTheSampleOnlyWhereOneIsInstalled)
{
    test::TempDir dir;
    const std::string sample = dir.write("Jestrel.Ini", "2\nA saying.\n").string();
    const std::string installed = sayingsFileAdvice(sample, "See man jestrel.");
    EXPECT_THAT(installed, HasSubstr("a line with the number of lines in the file, then one saying on each line."));
    // The path on a line of its own, which a message box's wrapping keeps whole.
    EXPECT_THAT(installed, HasSubstr(" A sample to copy there is\n" + sample + "\nSee man jestrel."));

    const std::string missing = sayingsFileAdvice((dir.path() / "nothing").string(), "");
    EXPECT_THAT(missing, Not(HasSubstr("sample")));
    EXPECT_EQ(missing.back(), '.');
}

} // namespace
} // namespace jestrel
