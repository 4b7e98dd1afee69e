// SPDX-License-Identifier: GPL-3.0-or-later
// How long a window keeps a key waiting: presses keys on the X server as a person would (XTest),
// one every interval, and times each until the window's next new pixels (XDamage). Run it
// against the real program, on a private X server, while the program does long work.
//
//   keylatency --window ID [--keys Right,Left] [--interval-ms 100] [--start-key ctrl+s]
//              [--until-file-changes PATH] [--until-pid-exits PID] [--max-ms 120000]
//              [--verbose 1]
//
// The keys go to whichever window has the keyboard, so the window must have it. Pressing stops
// when the file has been replaced (a save commits by renaming a new file over it), when the
// process has exited (a second launch exits once the running program has answered it), when
// the window has lost the keyboard (to a window that just opened, say), or after --max-ms. A
// key still unanswered a few seconds after that counts as lost. Prints one
// line: presses, answered, lost, median, p95 and max in milliseconds; --verbose 1 also tells
// each key's wait on standard error.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <signal.h>
#include <string>
#include <sys/select.h>
#include <sys/stat.h>
#include <time.h>
#include <vector>

namespace {

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

std::vector<std::string> split(const std::string &text, char by)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const size_t at = text.find(by, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

// "Right", "ctrl+s", "ctrl+shift+s": modifiers, then one key, by their X names.
bool pressKey(Display *display, const std::string &keys)
{
    std::vector<KeyCode> codes;
    for (const std::string &part : split(keys, '+')) {
        std::string name = part;
        if (name == "ctrl")
            name = "Control_L";
        else if (name == "shift")
            name = "Shift_L";
        else if (name == "alt")
            name = "Alt_L";
        const KeySym symbol = XStringToKeysym(name.c_str());
        const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display, symbol);
        if (code == 0) {
            std::fprintf(stderr, "keylatency: no key named %s\n", part.c_str());
            return false;
        }
        codes.push_back(code);
    }
    for (KeyCode code : codes)
        XTestFakeKeyEvent(display, code, True, CurrentTime);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        XTestFakeKeyEvent(display, *it, False, CurrentTime);
    XFlush(display);
    return true;
}

struct FileState
{
    bool exists = false;
    ino_t inode = 0;
    timespec modified {};
};

FileState stateOf(const std::string &path)
{
    struct stat status = {};
    if (path.empty() || stat(path.c_str(), &status) != 0)
        return {};
    return { true, status.st_ino, status.st_mtim };
}

bool changed(const FileState &a, const FileState &b)
{
    return a.exists != b.exists || a.inode != b.inode || a.modified.tv_sec != b.modified.tv_sec
        || a.modified.tv_nsec != b.modified.tv_nsec;
}

double percentile(std::vector<double> values, double p)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[at];
}

} // namespace

int main(int argc, char **argv)
{
    Window window = 0;
    std::vector<std::string> keys { "Right", "Left" };
    double intervalMs = 100;
    double maxMs = 120000;
    double graceMs = 5000;
    std::string startKey;
    std::string watchedFile;
    long watchedPid = 0;
    bool verbose = false;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = argv[i + 1];
        if (option == "--window")
            window = Window(std::strtoul(value.c_str(), nullptr, 0));
        else if (option == "--keys")
            keys = split(value, ',');
        else if (option == "--interval-ms")
            intervalMs = std::atof(value.c_str());
        else if (option == "--max-ms")
            maxMs = std::atof(value.c_str());
        else if (option == "--start-key")
            startKey = value;
        else if (option == "--until-file-changes")
            watchedFile = value;
        else if (option == "--until-pid-exits")
            watchedPid = std::atol(value.c_str());
        else if (option == "--verbose")
            verbose = value == "1";
        else {
            std::fprintf(stderr, "keylatency: unknown option %s\n", option.c_str());
            return 2;
        }
    }
    if (window == 0) {
        std::fprintf(stderr, "keylatency: --window ID is required\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "keylatency: cannot open the display\n");
        return 2;
    }
    int damageEvent = 0;
    int damageError = 0;
    int major = 0;
    int minor = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)
        || !XTestQueryExtension(display, &damageError, &damageError, &major, &minor)) {
        std::fprintf(stderr, "keylatency: the X server lacks DAMAGE or XTEST\n");
        return 2;
    }
    const Damage damage = XDamageCreate(display, window, XDamageReportNonEmpty);
    XSync(display, False);

    const FileState fileBefore = stateOf(watchedFile);
    int focusedOnStart = 0;
    Window focusedWindow = 0;
    XGetInputFocus(display, &focusedWindow, &focusedOnStart);
    auto done = [&] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(display, &focus, &revert);
        if (focus != focusedWindow)
            return true;
        if (!watchedFile.empty() && changed(stateOf(watchedFile), fileBefore))
            return true;
        if (watchedPid > 0 && kill(pid_t(watchedPid), 0) != 0 && errno == ESRCH)
            return true;
        return false;
    };

    const double start = nowMs();
    std::deque<double> pending; // press times of keys not answered yet
    std::vector<double> waits;
    const int connection = ConnectionNumber(display);
    auto serveUntil = [&](double until) {
        for (;;) {
            while (XPending(display) > 0) {
                XEvent event;
                XNextEvent(display, &event);
                if (event.type == damageEvent + XDamageNotify) {
                    XDamageSubtract(display, damage, None, None);
                    const double at = nowMs();
                    for (double pressed : pending) {
                        waits.push_back(at - pressed);
                        if (verbose)
                            std::fprintf(stderr, "pressed at %.0f ms, waited %.0f ms\n",
                                         pressed - start, at - pressed);
                    }
                    pending.clear();
                }
            }
            const double left = until - nowMs();
            if (left <= 0)
                return;
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(connection, &readable);
            timeval timeout { long(left / 1000), long(std::fmod(left, 1000.0) * 1000) };
            select(connection + 1, &readable, nullptr, nullptr, &timeout);
        }
    };

    if (!startKey.empty() && !pressKey(display, startKey))
        return 2;
    // A moment for the work to begin before the first key.
    serveUntil(start + intervalMs);
    int presses = 0;
    double next = nowMs();
    while (!done() && nowMs() - start < maxMs) {
        if (!pressKey(display, keys[size_t(presses) % keys.size()]))
            return 2;
        pending.push_back(nowMs());
        ++presses;
        next += intervalMs;
        serveUntil(next);
    }
    const double stopped = nowMs();
    serveUntil(stopped + graceMs);
    const size_t lost = pending.size();
    // A lost key waited at least until the end.
    std::vector<double> all = waits;
    for (double pressed : pending)
        all.push_back(stopped + graceMs - pressed);

    std::printf("presses %d answered %zu lost %zu median_ms %.0f p95_ms %.0f max_ms %.0f "
                "run_ms %.0f\n",
                presses, waits.size(), lost, percentile(all, 0.5), percentile(all, 0.95),
                all.empty() ? 0.0 : *std::max_element(all.begin(), all.end()), stopped - start);
    XDamageDestroy(display, damage);
    XCloseDisplay(display);
    return 0;
}
