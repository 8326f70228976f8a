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
        std::cout << jestrel::help(programName, jestrel::OptionStyle::Posix) << "\nSee man jestrel.\n";
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
    return jestrel::parseCommandLine(std::vector<std::string>(arguments.begin(), arguments.end()),
                                     jestrel::OptionStyle::Posix);
}

} // namespace

int main(int argc, char **argv)
{
    const std::string programName = std::filesystem::path(argv[0]).filename().string();
    // Help and the version need no display, so they are answered before the toolkit starts. What
    // else the arguments ask is read once it has taken its own options out of them.
    const std::span<char *const> arguments(argv + 1, argv + argc);
    if (const jestrel::CommandLine early = parse(arguments); early.asks != jestrel::CommandLine::Asks::Usage) {
        if (const std::optional<int> status = answer(early, programName))
            return *status;
    }
    // The toolkit would take its options from anywhere in the line; it is handed none after "--",
    // in a line of its own that ends as every argv does.
    const std::size_t toolkitMayTake
        = jestrel::toolkitArguments(std::vector<std::string>(arguments.begin(), arguments.end())).size();
    const std::span<char *const> afterToolkits = arguments.subspan(toolkitMayTake);
    std::vector<char *> toolkitArgv(argv, argv + 1 + toolkitMayTake);
    int toolkitArgc = static_cast<int>(toolkitArgv.size());
    toolkitArgv.push_back(nullptr);
    jestrel::CommandLine line;
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    return jestrel::runProgram(toolkitArgc, toolkitArgv.data(),
                               { [&](std::span<char *const> leftByToolkit) {
                                    std::vector<char *> ours(leftByToolkit.begin(), leftByToolkit.end());
                                    ours.insert(ours.end(), afterToolkits.begin(), afterToolkits.end());
                                    line = parse(ours);
                                    return answer(line, programName);
                                },
                                 [&] {
                                     auto window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher,
                                                                                              line.sayingsFile);
                                     window->Form_Load();
                                     return window;
                                 },
                                 jestrel::programIcon,
                                 [&] {
                                     return line.sayingsFile.isDefault()
                                         ? jestrel::sayingsFileAdvice(installedSample(), "See man jestrel for more.")
                                         : std::string();
                                 } });
}
