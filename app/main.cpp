#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/qt/Startup.h"
#include "sayings/SayingsFileAdvice.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/ProgramIcon.h"

int main(int, char **argv)
{
    jestrel::ClockRandom random;
    jestrel::SystemLauncher launcher;
    return jestrel::runProgram(
        argv[0],
        { [&] {
             auto window = std::make_unique<jestrel::Frm_JestrelMain>(random, launcher);
             window->Form_Load();
             return window;
         },
          jestrel::programIcon,
          [] { return jestrel::sayingsFileAdvice(JESTREL_SAMPLE_SAYINGS, "See man jestrel for more."); } });
}
