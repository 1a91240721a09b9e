#pragma once

#include <csignal>

namespace zorv::cli {

// While it lives, Ctrl+C (SIGINT) asks the work in progress to stop instead of ending the process: the first
// signal only raises a flag that the work polls (Requested()); the handler then falls back to the default, so
// that a second Ctrl+C ends the process at once. The previous handling comes back when the watch goes.
//
// The flag is the one piece of process-wide state here: a signal handler can reach nothing else.
class InterruptWatch {
public:
    InterruptWatch();
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

    static bool Requested();

    // Ends the process as SIGINT ends it, so that a shell or a script sees an interrupted program
    // (status 130 in the shell) rather than an ordinary exit.
    [[noreturn]] static void EndAsInterrupted();

private:
    struct sigaction previous_ {};
};

}  // namespace zorv::cli
