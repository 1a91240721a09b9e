#pragma once

#include <functional>

namespace zorv {

// Reports the progress of a pass over data rows to an optional callback: (0, total) when the pass
// starts, then at most about a thousand times, and always (total, total) at the end, so that a
// window that processes its pending events on each report stays responsive on long tables
// without spending its time redrawing.
class ProgressReporter {
public:
    using Callback = std::function<void(int done, int total)>;

    ProgressReporter(const Callback& callback, int total);

    // done rows of total are finished.
    void advance(int done);

private:
    const Callback& callback_;
    int total_;
    int step_;
    int nextReport_;
};

}  // namespace zorv
