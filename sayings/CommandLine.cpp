#include "sayings/CommandLine.h"

namespace jestrel
{

CommandLine parseCommandLine(std::span<const std::string> arguments, HelpAndVersion helpAndVersion)
{
    CommandLine line;
    const auto usageFailure = [&line](std::string fault) {
        line.asks = CommandLine::Asks::Usage;
        line.fault = std::move(fault);
        return line;
    };
    bool optionsEnded = false;
    bool fileNamed = false;
    for (const std::string &argument : arguments) {
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
            const bool takesIt = helpAndVersion == HelpAndVersion::Taken;
            if (takesIt && argument == "--help")
                line.asks = CommandLine::Asks::Help;
            else if (takesIt && argument == "--version")
                line.asks = CommandLine::Asks::Version;
            else
                return usageFailure("There is no option " + argument + ".");
        } else if (fileNamed) {
            return usageFailure("Only one sayings file can be named, not both " + line.sayingsFile + " and " + argument
                                + ".");
        } else {
            line.sayingsFile = argument;
            fileNamed = true;
        }
    }
    return line;
}

std::string usage(std::string_view programName)
{
    return "Usage: " + std::string(programName) + " [FILE]\nShows a saying drawn at random from FILE, or from "
        + std::string(kSayingsFileName) + " in the current folder.";
}

} // namespace jestrel
