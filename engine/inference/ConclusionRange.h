#pragma once

namespace zorv {

// What an inference method knows about the conclusion it wrote: every sample outside [first, last] equals
// outside (0 unless stated). first > last when every sample does. A method that cannot say better reports the
// whole grid.
struct ConclusionRange {
    int first = 0;
    int last = -1;
    double outside = 0.0;

    bool empty() const { return first > last; }
};

}  // namespace zorv
