#pragma once

#include <functional>
#include <stop_token>

namespace zorv {

// Reports progress of a long loop: steps done out of the total.
using ProgressCallback = std::function<void(int done, int total)>;

// What a long operation of the workbench is given, so that it can run on a worker: where it reports its
// progress (on the thread that runs it) and a request to stop, which it heeds between two steps. A stopped
// operation says so in its result; what it leaves then is told by each operation.
struct JobControl {
    ProgressCallback progress;
    std::stop_token stop;

    bool StopRequested() const { return stop.stop_requested(); }
    void Report(int done, int total) const {
        if (progress) progress(done, total);
    }
};

}  // namespace zorv
