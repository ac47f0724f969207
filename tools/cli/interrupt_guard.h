#pragma once

// While it lives, Ctrl-C (SIGINT) and SIGTERM do not end the program at once: they are only
// noted, so that a running clone can stop at its next frame boundary, close the port and leave
// every file whole. A second signal is noted the same way.
class clsInterruptGuard {
public:
    clsInterruptGuard();
    ~clsInterruptGuard();
    clsInterruptGuard(const clsInterruptGuard&) = delete;
    clsInterruptGuard& operator=(const clsInterruptGuard&) = delete;

    // Whether a signal came since the guard was made.
    static bool Interrupted();
};

// The exit status after an interrupt: 128 + SIGINT, as shells report it.
constexpr int kInterruptedStatus = 130;
