#include "cli/InterruptWatch.h"

#include <cstdlib>

namespace zorv::cli {

namespace {

volatile std::sig_atomic_t interrupted = 0;

extern "C" void OnInterrupt(int) { interrupted = 1; }

}  // namespace

InterruptWatch::InterruptWatch() {
    interrupted = 0;
    struct sigaction action {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, &previous_);
}

InterruptWatch::~InterruptWatch() { sigaction(SIGINT, &previous_, nullptr); }

bool InterruptWatch::Requested() { return interrupted != 0; }

void InterruptWatch::EndAsInterrupted() {
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    std::_Exit(128 + SIGINT);  // only if the signal is blocked
}

}  // namespace zorv::cli
