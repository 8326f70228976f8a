#pragma once

#include "sayings/SayingDraw.h"

#include <span>
#include <string>
#include <string_view>

namespace jestrel
{

// What the arguments after the program's name ask, those the toolkit takes left out: the sayings
// file to read, or, where the system's programs take them, --help or --version. "--" ends the
// options, so that a file whose name starts with "-" can be named.
struct CommandLine {
    enum class Asks { ShowSayings, Help, Version, Usage };

    Asks asks = Asks::ShowSayings;
    // The file named, or Jestrel.Ini in the current folder where none is.
    std::string sayingsFile = std::string(kSayingsFileName);
    // For Usage: what is wrong with the arguments, as a sentence.
    std::string fault;
};

enum class HelpAndVersion { Taken, NotTaken };

CommandLine parseCommandLine(std::span<const std::string> arguments, HelpAndVersion helpAndVersion);

// What follows a usage failure's sentence, and begins the help: how the program is started.
std::string usage(std::string_view programName);

} // namespace jestrel
