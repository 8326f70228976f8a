#include "bench/SayingsFiles.h"
#include "platform/ProgramLauncher.h"
#include "platform/RandomSource.h"
#include "support/CurrentDir.h"
#include "support/TempDir.h"
#include "ui/qt/Frm_JestrelMain.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <malloc.h>
#include <string_view>
#include <vector>
#include <xcb/xcb.h>

using namespace Qt::StringLiterals;

// Clicks the main window's bullseye through the toolkit's own mouse path, as a user would, and
// times each click from the press to the repainted label having reached the display; then checks
// how much memory a long run of redraws keeps.
// Usage: jestrel_bench_redraw [--clicks N] [--redraws N]

namespace
{

using Clock = std::chrono::steady_clock;

constexpr int kWarmUpClicks = 100;

// Once the display has answered a request, it has handled everything sent before it, the
// label's new pixels included. Off screen there is no display to wait for.
void roundTrip()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t *connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}

long statusKiB(std::string_view key)
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key))
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

// This thread's own time on a CPU: unlike the wall clock, it does not count the time the thread
// waited for a CPU that other programs held.
double cpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double heapKiB()
{
    return static_cast<double>(mallinfo2().uordblks) / 1024.0;
}

double percentile(const std::vector<double> &sorted, double share)
{
    const auto index = static_cast<std::size_t>(share * static_cast<double>(sorted.size() - 1) + 0.5);
    return sorted[std::min(index, sorted.size() - 1)];
}

struct Options {
    int clicks = 1000;
    int redraws = 2000;
};

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (value <= 0)
            return false;
        if (name == "--clicks")
            options.clicks = value;
        else if (name == "--redraws")
            options.redraws = value;
        else
            return false;
    }
    return argc % 2 == 1;
}

void printTimes(const char *what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-30s median %7.3f ms   p99 %7.3f ms   worst %7.3f ms\n", what, percentile(times, 0.5),
                percentile(times, 0.99), times.back());
}

} // namespace

int main(int argc, char **argv)
{
    using namespace jestrel;

    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "Usage: %s [--clicks N] [--redraws N]\n", argv[0]);
        return 2;
    }

    const test::TempDir dir;
    dir.write("Jestrel.Ini", bench::sayingsFile(bench::TextKind::Ascii, bench::kFullCount));
    const test::CurrentDir cwd(dir.path());

    static int toolkitArgc = 1;
    QApplication application(toolkitArgc, argv);
    ClockRandom random;
    SystemLauncher launcher;
    Frm_JestrelMain window(random, launcher);
    window.Form_Load();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "The main window never showed.\n");
        return 1;
    }

    auto *picture = window.findChild<QWidget *>(u"Picture1"_s);
    auto *label = window.findChild<QLabel *>(u"Lbl_Jestrel"_s);
    QWindow *handle = window.windowHandle();
    const QPoint bullseye = picture->mapTo(&window, picture->rect().center());

    struct Timing {
        double handler = 0;
        double repaint = 0;
        double cpu = 0;
    };
    int changes = 0;
    // The time the handler took, the time the repaint took to reach the display, and the CPU
    // time of both.
    const auto redraw = [&] {
        const QString before = label->text();
        const double cpuBefore = cpuMilliseconds();
        const auto pressed = Clock::now();
        QTest::mouseClick(handle, Qt::LeftButton, {}, bullseye);
        const auto handled = Clock::now();
        label->repaint();
        roundTrip();
        const auto shown = Clock::now();
        const double cpu = cpuMilliseconds() - cpuBefore;
        changes += label->text() != before;
        // Whatever the click left for later runs here, outside the timing.
        QCoreApplication::processEvents();
        return Timing { std::chrono::duration<double, std::milli>(handled - pressed).count(),
                        std::chrono::duration<double, std::milli>(shown - handled).count(), cpu };
    };

    for (int i = 0; i < kWarmUpClicks; ++i)
        redraw();

    changes = 0;
    std::vector<double> clicks;
    std::vector<double> handlers;
    std::vector<double> repaints;
    std::vector<double> cpus;
    for (int i = 0; i < options.clicks; ++i) {
        const Timing timing = redraw();
        handlers.push_back(timing.handler);
        repaints.push_back(timing.repaint);
        clicks.push_back(timing.handler + timing.repaint);
        cpus.push_back(timing.cpu);
    }
    // A draw repeats the last saying one time in a thousand; far fewer changes mean the clicks
    // never reached the handler.
    if (changes < options.clicks / 2) {
        std::fprintf(stderr, "Only %d of %d clicks changed the saying.\n", changes, options.clicks);
        return 1;
    }

    const long rssBefore = statusKiB("VmRSS:");
    const double heapBefore = heapKiB();
    for (int i = 0; i < options.redraws; ++i)
        redraw();
    const long rssAfter = statusKiB("VmRSS:");
    const double heapAfter = heapKiB();

    std::printf("platform: %s, %d clicks after %d to warm up\n", qPrintable(QGuiApplication::platformName()),
                options.clicks, kWarmUpClicks);
    printTimes("click to repainted label", clicks);
    printTimes("  of which the handler", handlers);
    printTimes("  of which repaint + display", repaints);
    printTimes("CPU time of a click", cpus);
    std::printf(
        "memory over %d redraws: resident %+ld KiB (%ld to %ld), heap in use %+.1f KiB, peak resident %ld KiB\n",
        options.redraws, rssAfter - rssBefore, rssBefore, rssAfter, heapAfter - heapBefore, statusKiB("VmHWM:"));
    return 0;
}
