// Measures how long a program takes from its start until its first window is mapped on the X display.
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: first_map PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_map: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event;
    for (;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify)
            break;
    }
    auto ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start);
    std::printf("%.1f\n", ms.count());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return 0;
}
