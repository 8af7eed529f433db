// Measures a program's start: the time from starting it to the moment its
// main window is mapped on the X display, and its resident memory once the
// window is up. Runs the program several times and prints each run and the
// median. Used by bench/startup.sh under Xvfb (no window manager, so the
// program's top-level windows are children of the root window).
//
//   startup_probe [--runs N] [--title T] [--settle MS] -- program [args...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

namespace {

double Jetzt()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

// Resident set size of a process in KiB (VmRSS of /proc/<pid>/status).
long RssKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string zeile;
    while (std::getline(status, zeile))
        if (zeile.rfind("VmRSS:", 0) == 0)
            return std::strtol(zeile.c_str() + 6, nullptr, 10);
    return -1;
}

std::string Titel(Display* d, Window w)
{
    char* name = nullptr;
    std::string t;
    if (XFetchName(d, w, &name) && name) {
        t = name;
        XFree(name);
    }
    return t;
}

struct Lauf {
    double sekunden = -1;
    long rss = -1;
};

Lauf Starte(Display* d, char** programm, const std::string& titel, int settleMs)
{
    // Every window mapped on the root from now on is reported.
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, True);

    const double start = Jetzt();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(programm[0], programm);
        std::perror(programm[0]);
        _exit(127);
    }

    Lauf lauf;
    pollfd pfd{ConnectionNumber(d), POLLIN, 0};
    while (lauf.sekunden < 0 && Jetzt() - start < 20) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type != MapNotify)
                continue;
            // The title may be set just after mapping; read it now.
            const std::string t = Titel(d, e.xmap.window);
            if (titel.empty() || t == titel) {
                lauf.sekunden = Jetzt() - start;
                break;
            }
        }
        if (lauf.sekunden < 0)
            poll(&pfd, 1, 5);
    }
    if (lauf.sekunden >= 0) {
        usleep(useconds_t(settleMs) * 1000);
        lauf.rss = RssKiB(pid);
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    XSelectInput(d, DefaultRootWindow(d), NoEventMask);
    return lauf;
}

} // namespace

int main(int argc, char** argv)
{
    int laeufe = 10;
    int settle = 500;
    std::string titel;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            laeufe = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--title") && i + 1 < argc)
            titel = argv[++i];
        else if (!std::strcmp(argv[i], "--settle") && i + 1 < argc)
            settle = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: %s [--runs N] [--title T] [--settle MS] -- program [args...]\n", argv[0]);
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display (run under xvfb-run)\n");
        return 2;
    }
    std::vector<double> zeiten;
    std::vector<long> rss;
    for (int k = 0; k < laeufe; ++k) {
        const Lauf lauf = Starte(d, argv + i + 1, titel, settle);
        if (lauf.sekunden < 0) {
            std::fprintf(stderr, "run %d: no window titled \"%s\" within 20 s\n", k + 1, titel.c_str());
            return 1;
        }
        std::printf("run %2d: window after %6.1f ms, RSS %6.1f MB\n", k + 1, lauf.sekunden * 1000,
                    double(lauf.rss) / 1024);
        zeiten.push_back(lauf.sekunden);
        rss.push_back(lauf.rss);
    }
    std::sort(zeiten.begin(), zeiten.end());
    std::sort(rss.begin(), rss.end());
    std::printf("median: window after %.1f ms (min %.1f, max %.1f), RSS %.1f MB\n", zeiten[zeiten.size() / 2] * 1000,
                zeiten.front() * 1000, zeiten.back() * 1000, double(rss[rss.size() / 2]) / 1024);
    XCloseDisplay(d);
    return 0;
}
