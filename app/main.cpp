#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/qt/Startup.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/ProgramIcon.h"

int main(int, char **argv)
{
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    return jestrel::runProgram(argv[0], jestrel::programIcon, [&] {
        auto window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher);
        window->Form_Load();
        return window;
    });
}
