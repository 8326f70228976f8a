#include "sayings/CommandLine.h"

#include <algorithm>

namespace jestrel
{

CommandLine parseCommandLine(std::span<const std::string> arguments, OptionStyle style)
{
    CommandLine line;
    const auto usageFailure = [&line](std::string fault) {
        line.asks = CommandLine::Asks::Usage;
        line.fault = std::move(fault);
        return line;
    };
    const auto asksForHelp = [style](const std::string &argument) {
        return argument == "--help" || (style == OptionStyle::Windows && argument == "/?");
    };
    bool optionsEnded = false;
    bool fileNamed = false;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && asksForHelp(argument)) {
            line.asks = CommandLine::Asks::Help;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            if (style == OptionStyle::Posix && argument == "--version")
                line.asks = CommandLine::Asks::Version;
            else
                return usageFailure("There is no option " + argument + ".");
        } else if (argument.empty()) {
            // Otherwise the open would fail on a file with no name, as though one were missing.
            return usageFailure("A sayings file's name cannot be empty.");
        } else if (fileNamed) {
            return usageFailure("Only one sayings file can be named, not both " + line.sayingsFile.path() + " and "
                                + argument + ".");
        } else {
            line.sayingsFile = SayingsFile(argument);
            fileNamed = true;
        }
    }
    return line;
}

std::span<const std::string> toolkitArguments(std::span<const std::string> arguments)
{
    return { arguments.begin(), std::ranges::find(arguments, "--") };
}

std::string usage(std::string_view programName)
{
    return "Usage: " + std::string(programName) + " [FILE]\nShows a saying drawn at random from FILE, or from "
        + std::string(kSayingsFileName) + " in the current folder.";
}

std::string help(std::string_view programName, OptionStyle style)
{
    const std::string_view options = style == OptionStyle::Posix
        ? "  --help     print this and end\n  --version  print the version and end"
        : "  /?  show this and end";
    return usage(programName) + "\n\n" + std::string(options)
        + "\n\nThe file's first line counts its lines, itself included; each line after it is one saying.";
}

} // namespace jestrel
