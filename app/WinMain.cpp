#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/win32/Startup.h"
#include "ui/win32/Frm_JestrelMain.h"

#include <memory>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand)
{
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    std::unique_ptr<jestrel::Frm_JestrelMain> window;
    return jestrel::runProgram(showCommand, [&] {
        window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher);
        window->Form_Load();
        return window->handle();
    });
}
