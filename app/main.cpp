#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/Startup.h"
#include "ui/Frm_JestrelMain.h"

int main(int, char **argv)
{
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    return jestrel::runProgram(argv[0], [&] {
        auto window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher);
        window->Form_Load();
        return window;
    });
}
