#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

// Starts a program and prints, on one line, the milliseconds from its exec to the map of its
// first top-level window and its peak resident memory in KiB once it has gone idle; then ends it.
// Usage: jestrel_map_watch PROGRAM [ARGUMENT...]

namespace
{

using Clock = std::chrono::steady_clock;

constexpr auto kMapTimeout = std::chrono::seconds(20);
// The first paint follows the map; the program is taken as settled once it has used no CPU time
// for this long.
constexpr auto kIdleSpan = std::chrono::milliseconds(150);
constexpr auto kIdleTimeout = std::chrono::seconds(5);

long windowPid(Display *display, Window window, Atom pidAtom)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long remaining = 0;
    unsigned char *data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &remaining,
                           &data)
            == Success
        && data) {
        if (format == 32 && items == 1)
            pid = *reinterpret_cast<const long *>(data);
        XFree(data);
    }
    return pid;
}

// User and system CPU time in clock ticks, or -1 once the process is gone.
long long cpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text;
    if (!std::getline(stat, text))
        return -1;
    // The fields after the command name, which may itself hold blanks; utime and stime are the
    // 12th and 13th of them.
    const auto close = text.rfind(')');
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    long long ticks = 0;
    for (int i = 1; i <= 13 && fields >> field; ++i) {
        if (i >= 12)
            ticks += std::stoll(field);
    }
    return ticks;
}

long statusKiB(pid_t pid, const std::string &key)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(key))
            return std::stol(line.substr(key.size()));
    }
    return -1;
}

void waitUntilIdle(pid_t pid)
{
    const auto deadline = Clock::now() + kIdleTimeout;
    long long last = cpuTicks(pid);
    auto quietSince = Clock::now();
    while (Clock::now() < deadline && Clock::now() - quietSince < kIdleSpan) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const long long now = cpuTicks(pid);
        if (now != last) {
            last = now;
            quietSince = Clock::now();
        }
    }
}

// A window may be gone by the time its property is asked for; that is no reason to stop.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

int fail(const char *message, pid_t child)
{
    std::fprintf(stderr, "jestrel_map_watch: %s\n", message);
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "Usage: %s PROGRAM [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return fail("cannot open the display", 0);
    XSetErrorHandler(ignoreError);
    const Window root = DefaultRootWindow(display);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    // Without a window manager a program's top-level windows are the root's children.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    pid_t child = 0;
    const auto start = Clock::now();
    if (const int error = posix_spawn(&child, argv[1], nullptr, nullptr, argv + 1, environ); error != 0)
        return fail(std::strerror(error), 0);

    const auto deadline = start + kMapTimeout;
    bool mapped = false;
    Clock::time_point mappedAt;
    while (!mapped) {
        while (!mapped && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect
                && windowPid(display, event.xmap.window, pidAtom) == child) {
                mappedAt = Clock::now();
                mapped = true;
            }
        }
        if (mapped)
            break;
        if (::waitpid(child, nullptr, WNOHANG) == child)
            return fail("the program ended before it mapped a window", 0);
        if (Clock::now() > deadline)
            return fail("no window was mapped in time", child);
        pollfd connection { ConnectionNumber(display), POLLIN, 0 };
        ::poll(&connection, 1, 5);
    }

    waitUntilIdle(child);
    const long peakKiB = statusKiB(child, "VmHWM:");
    ::kill(child, SIGTERM);
    ::waitpid(child, nullptr, 0);
    XCloseDisplay(display);

    const std::chrono::duration<double, std::milli> toMap = mappedAt - start;
    std::printf("%.3f %ld\n", toMap.count(), peakKiB);
    return 0;
}
