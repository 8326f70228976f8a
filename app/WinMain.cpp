#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/WideText.h"
#include "platform/win32/FailureReport.h"
#include "platform/win32/HelpBox.h"
#include "platform/win32/Startup.h"
#include "sayings/CommandLine.h"
#include "sayings/SayingsFileAdvice.h"
#include "ui/win32/Frm_JestrelMain.h"

#include <cstdlib> // __argc, __wargv
#include <functional>
#include <memory>
#include <vector>

namespace
{

// The sample the package puts beside the program.
std::string sampleBesideProgram()
{
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetModuleFileNameW(nullptr, folder.data(), static_cast<DWORD>(folder.size())));
    folder.resize(folder.find_last_of(L'\\') + 1);
    return jestrel::toUtf8(folder) + std::string(jestrel::kSayingsFileName);
}

// The arguments after the program's name, as the C runtime has split them already: splitting them
// again with CommandLineToArgvW would import shell32 at start-up.
std::vector<std::string> arguments()
{
    std::vector<std::string> split;
    for (int i = 1; i < __argc; ++i)
        split.push_back(jestrel::toUtf8(__wargv[i]));
    return split;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // No library is ever loaded from the program's folder or the current one, where the sayings
    // file lives and anybody may leave one of a system library's name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    const jestrel::CommandLine line = jestrel::parseCommandLine(arguments(), jestrel::OptionStyle::Windows);
    if (line.asks == jestrel::CommandLine::Asks::Help) {
        jestrel::showHelp(jestrel::help("Jestrel.exe", jestrel::OptionStyle::Windows));
        return 0;
    }
    if (line.asks == jestrel::CommandLine::Asks::Usage) {
        jestrel::reportFailure(line.fault + "\n" + jestrel::usage("Jestrel.exe"));
        return 2;
    }
    std::function<std::string()> advice;
    if (line.sayingsFile.isDefault())
        advice = [] { return jestrel::sayingsFileAdvice(sampleBesideProgram(), {}); };
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    std::unique_ptr<jestrel::Frm_JestrelMain> window;
    return jestrel::runProgram(showCommand,
                               { [&] {
                                    window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher,
                                                                                        line.sayingsFile);
                                    window->Form_Load();
                                    return window->handle();
                                },
                                 advice });
}
