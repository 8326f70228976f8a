#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "platform/qt/Startup.h"
#include "sayings/SayingsFileAdvice.h"
#include "ui/qt/Frm_JestrelMain.h"
#include "ui/qt/ProgramIcon.h"

#include <QCoreApplication>
#include <QDir>

namespace
{

// The sample the package installs, found from where the program itself is installed.
std::string installedSample()
{
    const QString sample
        = QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromUtf8(JESTREL_SAMPLE_FROM_PROGRAM));
    return QDir::cleanPath(sample).toStdString();
}

} // namespace

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
          [] { return jestrel::sayingsFileAdvice(installedSample(), "See man jestrel for more."); } });
}
