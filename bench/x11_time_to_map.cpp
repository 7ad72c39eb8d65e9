// SPDX-License-Identifier: GPL-3.0-or-later
// Measures how long a program takes from launch until its window with a given caption is mapped
// on the X server, by listening to the server's own MapNotify events. Polling with
// `xdotool search --sync` is too coarse for this (it sleeps half a second between looks).
//
// Usage: x11-time-to-map [--kill] [--timeout SECONDS] CAPTION COMMAND [ARGS...]
//   without --kill: waits for the program to end by itself, as one that quits once shown does;
//   with --kill:    lets the window settle briefly, reads the program's peak resident memory
//                   (VmHWM) and ends it, for programs that cannot quit by themselves.
// Prints one line: map_ms=<milliseconds> vmhwm_kb=<kilobytes or -> status=<exit status>.
// The peak memory of a program that quits by itself is best taken by wrapping COMMAND in
// /usr/bin/time -v.

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// The UTF-8 caption a toolkit sets for window managers, else the legacy WM_NAME.
std::string windowCaption(Display* display, Window window) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                           False, XInternAtom(display, "UTF8_STRING", False), &type, &format,
                           &count, &remaining, &data) == Success &&
        data != nullptr) {
        std::string caption(reinterpret_cast<const char*>(data), count);
        XFree(data);
        if (format == 8 && !caption.empty()) {
            return caption;
        }
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) != 0 && name != nullptr) {
        std::string caption(name);
        XFree(name);
        return caption;
    }
    return {};
}

std::string peakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            const auto digits = line.find_first_of("0123456789");
            return line.substr(digits, line.find(' ', digits) - digits);
        }
    }
    return "-";
}

int exitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--kill] [--timeout SECONDS] CAPTION COMMAND [ARGS...]\n",
                 program);
}

}  // namespace

int main(int argc, char** argv) {
    bool kill = false;
    double timeoutSeconds = 30;
    int arg = 1;
    for (; arg < argc && argv[arg][0] == '-'; ++arg) {
        if (std::strcmp(argv[arg], "--kill") == 0) {
            kill = true;
        } else if (std::strcmp(argv[arg], "--timeout") == 0 && arg + 1 < argc) {
            timeoutSeconds = std::atof(argv[++arg]);
        } else {
            usage(argv[0]);
            return 2;
        }
    }
    if (argc - arg < 2) {
        usage(argv[0]);
        return 2;
    }
    const std::string caption = argv[arg];
    char** command = argv + arg + 1;

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 1;
    }
    // Listen before launching, so that no map can be missed. Without a window manager the
    // program's top-level windows are children of the root window.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const Clock::time_point launched = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }

    const auto deadline = launched + std::chrono::duration_cast<Clock::duration>(
                                         std::chrono::duration<double>(timeoutSeconds));
    double mapMs = -1;
    while (mapMs < 0 && Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && windowCaption(display, event.xmap.window) == caption) {
                mapMs = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
                break;
            }
        }
        if (mapMs >= 0 || waitpid(child, nullptr, WNOHANG) == child) {
            break;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 5);
    }
    XCloseDisplay(display);

    if (mapMs < 0) {
        std::fprintf(stderr, "no window \"%s\" was mapped\n", caption.c_str());
        ::kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }

    std::string peak = "-";
    if (kill) {
        // The first paint follows the map; the peak should include it.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        peak = peakResidentKb(child);
        ::kill(child, SIGTERM);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (Clock::now() > deadline) {
            ::kill(child, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::printf("map_ms=%.1f vmhwm_kb=%s status=%d\n", mapMs, peak.c_str(), exitStatus(status));
    return 0;
}
