#include "platform/qt/Startup.h"

#include "platform/ReportingFailures.h"
#include "platform/qt/FailureReport.h"

#include <QApplication>
#include <QWidget>

namespace jestrel
{

namespace
{

// Wayland lets no window place itself, so centring would be lost there. An X display, where there
// is one, keeps it, with Wayland behind it should the X platform be missing; a platform the user
// chose always wins. The choice is the program's own: programs it starts do not inherit it.
bool preferX11OverWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return false;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}

} // namespace

int runProgram(const char *programPath, const Program &program)
{
    const bool chosePlatform = preferX11OverWayland();
    // The program takes no command line: the toolkit sees the program's name alone.
    static int argc = 1;
    static char *argv[] = { const_cast<char *>(programPath), nullptr };
    QApplication application(argc, argv);
    if (chosePlatform)
        qunsetenv("QT_QPA_PLATFORM");
    if (program.icon)
        QApplication::setWindowIcon(program.icon());
    return startProgram(program);
}

int startProgram(const Program &program)
{
    std::unique_ptr<QWidget> window;
    if (!reportingFailures([&] { window = program.loadStartupWindow(); }, reportFailure, program.missingFileAdvice))
        return 1;
    window->show();
    return QApplication::exec();
}

void runHandler(const std::function<void()> &handler)
{
    if (!reportingFailures(handler, reportFailure))
        endProgram(1);
}

void endProgram(int status)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    // Leaves every event loop, a modal dialog's included, before another event is handled.
    QCoreApplication::exit(status);
}

} // namespace jestrel
