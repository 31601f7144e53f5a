// Times a program's start on the X display: from its start until its first window is mapped, and
// until it first draws into a window of its own (the first DAMAGE report on a window whose
// _NET_WM_PID is the program's). Prints one line, "PID MAP_MS PAINT_MS" (-1 for what did not
// happen in time). With --hold the program is left running after that line, so that its memory and
// time can be read from /proc; first_paint then waits for it to end and ends with it.
//
// usage: first_paint [--hold] [--timeout SECONDS] [--verbose] PROGRAM [ARGS...]
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool swallow_errors = true;
int ignore_error(Display*, XErrorEvent*)
{
    // Windows come and go while we look at them (Qt's own helper windows among them);
    // a request on one that has just gone is no reason to stop.
    return swallow_errors ? 0 : 1;
}

long window_pid(Display* display, Window window, Atom net_wm_pid)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) == Success &&
        data && type == XA_CARDINAL && format == 32 && count == 1)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data)
        XFree(data);
    return pid;
}

pid_t child = -1;
void pass_on(int signal)
{
    if (child > 0)
        kill(child, signal);
}

} // namespace

int main(int argc, char* argv[])
{
    bool hold = false, verbose = false;
    double timeout_s = 20;
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        if (std::strcmp(argv[first], "--hold") == 0)
            hold = true;
        else if (std::strcmp(argv[first], "--verbose") == 0)
            verbose = true;
        else if (std::strcmp(argv[first], "--timeout") == 0 && first + 1 < argc)
            timeout_s = std::atof(argv[++first]);
        else
            break;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: first_paint [--hold] [--timeout SECONDS] [--verbose] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_paint: no X display\n");
        return 2;
    }
    int damage_event = 0, damage_error = 0;
    if (!XDamageQueryExtension(display, &damage_event, &damage_error)) {
        std::fprintf(stderr, "first_paint: the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_error);
    const Atom net_wm_pid = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    child = fork();
    if (child == 0) {
        close(ConnectionNumber(display));
        execv(argv[first], argv + first);
        _exit(127);
    }
    signal(SIGTERM, pass_on);
    signal(SIGINT, pass_on);

    // Every top-level window gets a damage record as soon as it exists: nothing can be drawn
    // into a window before it is mapped, and mapping goes through the window manager first.
    std::set<Damage> damages;
    double map_ms = -1, paint_ms = -1;
    const int fd = ConnectionNumber(display);
    // --verbose goes on listing the damage for a second after the map.
    auto done = [&] { return verbose ? map_ms >= 0 && ms_since(start) > map_ms + 1000 : paint_ms >= 0; };
    while (!done()) {
        if (!XPending(display)) {
            const double left_ms = timeout_s * 1000 - ms_since(start);
            if (left_ms <= 0 || waitpid(child, nullptr, WNOHANG) == child)
                break;
            pollfd p{fd, POLLIN, 0};
            poll(&p, 1, static_cast<int>(left_ms < 50 ? left_ms : 50));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            damages.insert(XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty));
        } else if (event.type == MapNotify && map_ms < 0) {
            map_ms = ms_since(start);
            if (verbose)
                std::fprintf(stderr, "%8.1f ms  map 0x%lx\n", map_ms, event.xmap.window);
        } else if (event.type == damage_event + XDamageNotify) {
            const auto* notify = reinterpret_cast<XDamageNotifyEvent*>(&event);
            const long owner = window_pid(display, notify->drawable, net_wm_pid);
            if (verbose)
                std::fprintf(stderr, "%8.1f ms  damage 0x%lx %dx%d+%d+%d pid %ld\n", ms_since(start),
                             notify->drawable, notify->area.width, notify->area.height,
                             notify->area.x, notify->area.y, owner);
            if (owner == child && map_ms >= 0 && paint_ms < 0)
                paint_ms = ms_since(start);
            if (verbose)
                XDamageSubtract(display, notify->damage, None, None);
        }
    }
    for (Damage d : damages)
        XDamageDestroy(display, d);
    XCloseDisplay(display);

    std::printf("%d %.1f %.1f\n", static_cast<int>(child), map_ms, paint_ms);
    std::fflush(stdout);
    int status = 0;
    if (!hold || map_ms < 0)
        kill(child, SIGKILL);
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (map_ms < 0 || paint_ms < 0)
        return 1;
    return hold && WIFEXITED(status) ? WEXITSTATUS(status) : 0;
}
