#pragma once

#include "sayings/SayingsFile.h"

#include <span>
#include <string>
#include <string_view>

namespace jestrel
{

// What the arguments after the program's name ask, those the toolkit takes left out: the sayings
// file to read, or help or the version, as each system's programs are asked for them. "--" ends
// the options, so that a file whose name starts with "-" can be named.
struct CommandLine {
    enum class Asks { ShowSayings, Help, Version, Usage };

    Asks asks = Asks::ShowSayings;
    // The file named, or Jestrel.Ini in the current folder where none is.
    SayingsFile sayingsFile;
    // For Usage: what is wrong with the arguments, as a sentence.
    std::string fault;
};

// Whose programs' options Jestrel takes: POSIX's --help and --version, or Windows' /? for help,
// with --help, which many Windows programs take too. Any other argument that starts with "/" is a
// file on both, since "/dir/file" is a path on Windows too.
enum class OptionStyle { Posix, Windows };

CommandLine parseCommandLine(std::span<const std::string> arguments, OptionStyle style);

// The arguments a toolkit may take its own options from: those before "--", which ends the
// toolkit's options as well as Jestrel's.
std::span<const std::string> toolkitArguments(std::span<const std::string> arguments);

// What follows a usage failure's sentence, and begins the help: how the program is started.
std::string usage(std::string_view programName);

// The whole help: the usage, the options and the sayings file's shape.
std::string help(std::string_view programName, OptionStyle style);

} // namespace jestrel
