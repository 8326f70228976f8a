#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/qt/Startup.h"
#include "resources/VersionRecord.h"
#include "sayings/CommandLine.h"
#include "sayings/SayingsFileAdvice.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/ProgramIcon.h"

#include <QCoreApplication>
#include <QDir>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace
{

// The sample the package installs, found from where the program itself is installed.
std::string installedSample()
{
    const QString sample
        = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(JESTREL_SAMPLE_FROM_PROGRAM));
    return QDir::cleanPath(sample).toStdString();
}

// What the command line asks, answered where no window is wanted: the status to end with, else
// nullopt.
std::optional<int> answer(const jestrel::CommandLine &line, const std::string &programName)
{
    using Asks = jestrel::CommandLine::Asks;
    switch (line.asks) {
    case Asks::ShowSayings:
        return std::nullopt;
    case Asks::Help:
        std::cout << jestrel::usage(programName)
                  << "\n\n  --help     print this and end\n  --version  print the version and end\n\nThe file's first "
                     "line counts its lines, itself included; each line after it is one saying.\nSee man jestrel.\n";
        return 0;
    case Asks::Version:
        std::cout << jestrel::kProductName << ' ' << jestrel::kVersionText << '\n';
        return 0;
    case Asks::Usage:
        std::cerr << programName << ": " << line.fault << '\n' << jestrel::usage(programName) << '\n';
        return 2;
    }
    return 1;
}

jestrel::CommandLine parse(std::span<char *const> arguments)
{
    const std::vector<std::string> strings(arguments.begin(), arguments.end());
    return jestrel::parseCommandLine(strings, jestrel::HelpAndVersion::Taken);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string programName = std::filesystem::path(argv[0]).filename().string();
    // Help and the version need no display, so they are answered before the toolkit starts. What
    // else the arguments ask is read once it has taken its own options out of them.
    if (const jestrel::CommandLine early = parse(std::span(argv + 1, argv + argc));
        early.asks != jestrel::CommandLine::Asks::Usage) {
        if (const std::optional<int> status = answer(early, programName))
            return *status;
    }
    jestrel::CommandLine line;
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    return jestrel::runProgram(argc, argv,
                               { [&](std::span<char *const> arguments) {
                                    line = parse(arguments);
                                    return answer(line, programName);
                                },
                                 [&] {
                                     auto window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher,
                                                                                              line.sayingsFile);
                                     window->Form_Load();
                                     return window;
                                 },
                                 jestrel::programIcon,
                                 // For the file a first start looks for; one named is the user's own.
                                 [&] {
                                     return line.sayingsFile == jestrel::kSayingsFileName
                                         ? jestrel::sayingsFileAdvice(installedSample(), "See man jestrel for more.")
                                         : std::string();
                                 } });
}
