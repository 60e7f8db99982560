// A stand-in for a screensaver settings dialog on X11: a window with a preview area, the
// screensaver started with "/p <area id>", and the area unmapped or destroyed on request. Commands
// come on standard input, reports go to standard output (see README.md).
#include <X11/Xlib.h>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int areaX = 84, areaY = 64, areaWidth = 152, areaHeight = 112;
constexpr unsigned long hostColour = 0x3060a0, areaColour = 0x808080;

/// The next whole line from standard input, if one has arrived within 10 ms; false at its end.
bool nextCommand(std::string &pending, std::string &line, bool &ended) {
    for (;;) {
        auto newline = pending.find('\n');
        if (newline != std::string::npos) {
            line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            return true;
        }
        pollfd input = {STDIN_FILENO, POLLIN, 0};
        if (poll(&input, 1, 10) <= 0) return false;
        char buffer[256];
        ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            ended = true;
            return false;
        }
        pending.append(buffer, static_cast<std::size_t>(count));
    }
}

void report(const std::string &line) {
    std::cout << line << std::endl; // flushed: a test reads it at once
}

pid_t startScreensaver(char **command, Window area) {
    std::vector<char *> arguments;
    for (char **argument = command; *argument != nullptr; ++argument) arguments.push_back(*argument);
    std::string handle = std::to_string(area);
    arguments.push_back(const_cast<char *>("/p"));
    arguments.push_back(handle.data());
    arguments.push_back(nullptr);
    pid_t child = fork();
    if (child == 0) {
        // Our standard output carries the reports; the screensaver's own (its mesh loading
        // report) goes nowhere, as it does on Windows. Its standard error (its boxes) stays.
        int nothing = open("/dev/null", O_WRONLY);
        dup2(nothing, STDOUT_FILENO);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    return child;
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT ...]\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        report("failed display");
        return 1;
    }
    Window root = DefaultRootWindow(display);
    Window host = XCreateSimpleWindow(display, root, 0, 0, 320, 240, 0, 0, hostColour);
    XStoreName(display, host, "Vorlune Preview Host");
    Window area = XCreateSimpleWindow(display, host, areaX, areaY, areaWidth, areaHeight, 0, 0, areaColour);
    XMapWindow(display, area);
    XMapWindow(display, host);
    XSync(display, False);
    report("area " + std::to_string(area) + " " + std::to_string(areaX) + " " + std::to_string(areaY) + " " +
           std::to_string(areaWidth) + " " + std::to_string(areaHeight));

    pid_t screensaver = startScreensaver(argv + 1, area);
    if (screensaver < 0) {
        report("failed start");
        return 1;
    }
    report("started " + std::to_string(screensaver));

    bool areaExists = true, ended = false;
    std::string pending, line;
    while (!ended) {
        int status = 0;
        if (screensaver > 0 && waitpid(screensaver, &status, WNOHANG) == screensaver) {
            report("exited " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status)));
            screensaver = 0;
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
        }
        if (!nextCommand(pending, line, ended)) continue;
        if (line == "quit") break;
        if (line == "disable" && areaExists) XUnmapWindow(display, area);
        if (line == "destroy" && areaExists) {
            XDestroyWindow(display, area);
            areaExists = false;
        }
        XSync(display, False);
    }
    if (screensaver > 0) {
        kill(screensaver, SIGTERM);
        waitpid(screensaver, nullptr, 0);
    }
    XCloseDisplay(display);
    return 0;
}
