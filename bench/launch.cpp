// Starts a program and reports how long it took until its first top-level window was
// mapped on the X server, and how much memory it held at its peak.
//
//   veltro-bench-launch SETTLE_MS PROGRAM [ARGUMENTS...]
//
// Prints "<milliseconds to map> <peak resident KiB> <width>x<height> <CPU ms>": the
// window's size, for a baseline of the same size, and the processor time all the
// program's threads had used when the window was mapped, which the machine's other
// load disturbs less than the elapsed time. The clock starts just before
// the fork; the window counts as mapped when the X server announces it (MapNotify on
// the root window; run without a window manager, so nothing redirects the map). The
// program then runs SETTLE_MS more, so that its first paint is in the peak, and is
// ended with SIGTERM; its peak resident memory is the kernel's high-water mark, the
// figure GNU time prints as %M.

#include <X11/Xlib.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double now()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Processor time of all the process's threads so far, from the scheduler's account.
double cpuMilliseconds(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double nanoseconds = 0;
        if (stat >> nanoseconds)
            total += nanoseconds / 1e6;
    }
    closedir(dir);
    return total;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        execv(argv[2], argv + 2);
        std::perror("execv");
        _exit(127);
    }

    double mapped = -1;
    Window window = 0;
    const double deadline = start + 30000;
    while (mapped < 0 && now() < deadline) {
        while (mapped < 0 && XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && event.xmap.event == root && !event.xmap.override_redirect) {
                mapped = now();
                window = event.xmap.window;
            }
        }
        if (mapped >= 0)
            break;
        pollfd fd {ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 50);
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before it showed a window\n", argv[2]);
            return 1;
        }
    }
    if (mapped < 0) {
        kill(child, SIGKILL);
        std::fprintf(stderr, "%s showed no window within 30 s\n", argv[2]);
        return 1;
    }

    const double cpu = cpuMilliseconds(child);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, window, &attributes);
    usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage {};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) { }
    std::printf("%.2f %ld %dx%d %.2f\n", mapped - start, usage.ru_maxrss, attributes.width, attributes.height, cpu);
    XCloseDisplay(display);
    return 0;
}
