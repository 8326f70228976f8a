#include "sayings/CommandLine.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
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
        OptionStyle style;
        Asks asks;
        // The sayings file, or for a usage failure its sentence.
        std::string fileOrFault;
        // Where given, the arguments a toolkit may take its options from.
        std::optional<std::vector<std::string>> toolkitArguments = std::nullopt;
    } rows[] = {
        { {}, OptionStyle::Posix, Asks::ShowSayings, "Jestrel.Ini" },
        { { "../my sayings/Spr\xC3\xBC"
            "che.txt" },
          OptionStyle::Posix,
          Asks::ShowSayings,
          "../my sayings/Spr\xC3\xBC"
          "che.txt" },
        { { "-" }, OptionStyle::Posix, Asks::ShowSayings, "-" },
        { { "--", "-odd name" }, OptionStyle::Posix, Asks::ShowSayings, "-odd name" },
        { { "--", "--" }, OptionStyle::Posix, Asks::ShowSayings, "--" },
        { { "a", "--", "-reverse" },
          OptionStyle::Posix,
          Asks::Usage,
          "Only one sayings file can be named, not both a and -reverse.",
          { { "a" } } },
        { { "--", "-reverse" }, OptionStyle::Posix, Asks::ShowSayings, "-reverse", { {} } },
        { { "" }, OptionStyle::Posix, Asks::Usage, "A sayings file's name cannot be empty." },
        { { "/?" }, OptionStyle::Windows, Asks::Help, "Jestrel.Ini" },
        { { "/dir/sayings.txt" }, OptionStyle::Windows, Asks::ShowSayings, "/dir/sayings.txt" },
        { { "--help" }, OptionStyle::Posix, Asks::Help, "Jestrel.Ini" },
        { { "a.txt", "--version" }, OptionStyle::Posix, Asks::Version, "a.txt" },
        { { "--help" }, OptionStyle::Windows, Asks::Help, "Jestrel.Ini" },
        { { "--version" }, OptionStyle::Windows, Asks::Usage, "There is no option --version." },
        { { "-x", "--help" }, OptionStyle::Posix, Asks::Usage, "There is no option -x." },
        { { "--", "--help", "b" },
          OptionStyle::Posix,
          Asks::Usage,
          "Only one sayings file can be named, not both --help and b." },
        { { "a", "b" }, OptionStyle::Windows, Asks::Usage, "Only one sayings file can be named, not both a and b." },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.arguments));
        const CommandLine line = parseCommandLine(row.arguments, row.style);
        EXPECT_EQ(line.asks, row.asks);
        EXPECT_EQ(line.asks == Asks::Usage ? line.fault : line.sayingsFile.path(), row.fileOrFault);
        if (row.toolkitArguments) {
            EXPECT_THAT(toolkitArguments(row.arguments), testing::ElementsAreArray(*row.toolkitArguments));
        }
    }
}

} // namespace
} // namespace jestrel
