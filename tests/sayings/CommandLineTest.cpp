#include "sayings/CommandLine.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace jestrel
{
namespace
{

TEST(CommandLine, NamesOneSayingsFileOrAsksForHelpOrFails)
{
    using Asks = CommandLine::Asks;
    const struct {
        std::vector<std::string> arguments;
        HelpAndVersion helpAndVersion;
        Asks asks;
        // The sayings file, or for a usage failure its sentence.
        std::string fileOrFault;
    } rows[] = {
        { {}, HelpAndVersion::Taken, Asks::ShowSayings, "Jestrel.Ini" },
        { { "../my sayings/Spr\xC3\xBC"
            "che.txt" },
          HelpAndVersion::Taken,
          Asks::ShowSayings,
          "../my sayings/Spr\xC3\xBC"
          "che.txt" },
        { { "-" }, HelpAndVersion::Taken, Asks::ShowSayings, "-" },
        { { "--", "-odd name" }, HelpAndVersion::Taken, Asks::ShowSayings, "-odd name" },
        { { "--", "--" }, HelpAndVersion::Taken, Asks::ShowSayings, "--" },
        { { "--help" }, HelpAndVersion::Taken, Asks::Help, "Jestrel.Ini" },
        { { "a.txt", "--version" }, HelpAndVersion::Taken, Asks::Version, "a.txt" },
        { { "--help" }, HelpAndVersion::NotTaken, Asks::Usage, "There is no option --help." },
        { { "-x", "--help" }, HelpAndVersion::Taken, Asks::Usage, "There is no option -x." },
        { { "--", "--help", "b" },
          HelpAndVersion::Taken,
          Asks::Usage,
          "Only one sayings file can be named, not both --help and b." },
        { { "a", "b" },
          HelpAndVersion::NotTaken,
          Asks::Usage,
          "Only one sayings file can be named, not both a and b." },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.arguments));
        const CommandLine line = parseCommandLine(row.arguments, row.helpAndVersion);
        EXPECT_EQ(line.asks, row.asks);
        EXPECT_EQ(line.asks == Asks::Usage ? line.fault : line.sayingsFile, row.fileOrFault);
    }
}

} // namespace
} // namespace jestrel
