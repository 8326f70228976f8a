#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/WideText.h"
#include "platform/win32/Startup.h"
#include "sayings/SayingDraw.h"
#include "sayings/SayingsFileAdvice.h"
#include "ui/win32/Frm_JestrelMain.h"

#include <memory>

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

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    // No library is ever loaded from the program's folder or the current one, where the sayings
    // file lives and anybody may leave one of a system library's name.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    std::unique_ptr<jestrel::Frm_JestrelMain> window;
    return jestrel::runProgram(showCommand,
                               { [&] {
                                    window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher);
                                    window->Form_Load();
                                    return window->handle();
                                },
                                 [] { return jestrel::sayingsFileAdvice(sampleBesideProgram(), {}); } });
}
