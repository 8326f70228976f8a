#include "platform/qt/Startup.h"

#include "platform/ReportingFailures.h"
#include "platform/qt/FailureReport.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

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

// What the toolkit says while it starts, held back until it is known to have found a display.
struct HeldMessage {
    QtMsgType type;
    const char *file;
    int line;
    const char *function;
    const char *category;
    QString text;
};
struct HeldMessages {
    QtMessageHandler passOnTo = nullptr;
    std::vector<HeldMessage> messages;
};
// The toolkit hands what it says to a plain function, so what it holds back lives for the run, here.
HeldMessages &heldBack()
{
    static HeldMessages held;
    return held;
}

// What the toolkit's window-system platforms say, by category, when they cannot reach a display.
constexpr std::pair<std::string_view, std::string_view> kNoDisplay[] = {
    { "qt.qpa.xcb", "could not connect to display" },
    { "qt.qpa.wayland", "Failed to create wl_display" },
};

bool saysThereIsNoDisplay(const HeldMessage &held)
{
    return std::ranges::any_of(kNoDisplay, [&held](const auto &said) {
        return held.category && held.category == said.first && held.text.startsWith(QLatin1StringView(said.second));
    });
}

void passHeldMessagesOn()
{
    HeldMessages &held = heldBack();
    qInstallMessageHandler(held.passOnTo);
    for (const HeldMessage &said : held.messages)
        held.passOnTo(said.type, QMessageLogContext(said.file, said.line, said.function, said.category), said.text);
    held.messages.clear();
}

// The toolkit ends the program with an abort, and a core dump, when it cannot start, after
// warnings of its own; the program ends with status 1 instead. Where no display can be opened,
// the user reads one sentence that says so. Otherwise the toolkit's own words say why, and one
// sentence after them.
void holdUntilStarted(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldBack().messages.push_back({ type, context.file, context.line, context.function, context.category, text });
        return;
    }
    if (std::ranges::any_of(heldBack().messages, saysThereIsNoDisplay)) {
        std::fputs("Jestrel!: Cannot show a window: no display can be opened; start Jestrel from a desktop, where "
                   "DISPLAY or WAYLAND_DISPLAY names one.\n",
                   stderr);
    } else {
        passHeldMessagesOn();
        std::fprintf(stderr, "%s\nJestrel!: Cannot show a window: the toolkit cannot start, for the reason above.\n",
                     qPrintable(text));
    }
    std::_Exit(1);
}

} // namespace

int runProgram(int &argc, char **argv, const Program &program)
{
    const bool chosePlatform = preferX11OverWayland();
    heldBack().passOnTo = qInstallMessageHandler(holdUntilStarted);
    QApplication application(argc, argv);
    passHeldMessagesOn();
    if (chosePlatform)
        qunsetenv("QT_QPA_PLATFORM");
    if (program.readArguments) {
        if (const std::optional<int> status = program.readArguments(std::span(argv + 1, argv + argc)))
            return *status;
    }
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
    runHandlerReportingOnce(handler, reportFailure, [] { endProgram(1); });
}

void endProgram(int status)
{
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    // Leaves every event loop, a modal dialog's included, before another event is handled.
    QCoreApplication::exit(status);
}

} // namespace jestrel
