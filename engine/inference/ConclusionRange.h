#pragma once

namespace zorv {

// What an inference method knows about the conclusion it wrote: every sample outside [first, last] is 0.
// first > last when every sample is 0. A method that cannot say better reports the whole grid.
struct ConclusionRange {
    int first = 0;
    int last = -1;

    bool empty() const { return first > last; }
};

}  // namespace zorv
