#pragma once

#include <mutex>
#include <vector>

namespace zorv {

// The best error of a running tuning each time it improved, written by the worker that tunes and read by the
// window that draws it: every access holds the lock, and a reader gets a copy.
class BestErrorTrace {
public:
    struct Point {
        int evaluation = 0;
        double best = 0.0;
    };

    void Add(int evaluation, double best);
    std::vector<Point> Points() const;
    void Clear();

private:
    mutable std::mutex mutex_;
    std::vector<Point> points_;
};

}  // namespace zorv
