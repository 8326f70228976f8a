#include "platform/Startup.h"

#include "platform/FailureReport.h"
#include "platform/RuntimeFailure.h"

#include <QApplication>
#include <QWidget>

namespace jestrel
{

namespace
{

// Wayland lets no window place itself, so centring would be lost there. An X display, where
// there is one, keeps it; a platform the user chose always wins.
void preferX11OverWayland()
{
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        return;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int runProgram(const char *programPath, const std::function<std::unique_ptr<QWidget>()> &loadStartupWindow)
{
    preferX11OverWayland();
    // The program takes no command line: the toolkit sees the program's name alone.
    static int argc = 1;
    static char *argv[] = { const_cast<char *>(programPath), nullptr };
    QApplication application(argc, argv);
    return startProgram(loadStartupWindow);
}

int startProgram(const std::function<std::unique_ptr<QWidget>()> &loadStartupWindow)
{
    std::unique_ptr<QWidget> window;
    try {
        window = loadStartupWindow();
    } catch (const RuntimeFailure &failure) {
        reportFailure(failure);
        return 1;
    }
    window->show();
    return QApplication::exec();
}

void runHandler(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const RuntimeFailure &failure) {
        reportFailure(failure);
        endProgram(1);
    }
}

void endProgram(int status)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    // Leaves every event loop, a modal dialog's included, before another event is handled.
    QCoreApplication::exit(status);
}

} // namespace jestrel
