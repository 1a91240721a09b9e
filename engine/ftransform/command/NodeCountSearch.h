#pragma once

#include <functional>

namespace zorv {

// Searches the node count (the same on every axis) whose F-transform fits the data within a
// maximum error E, by halving between lo = 1 and hi = highest:
//   1. if err(hi) > E the search gives up: hi is kept and exceeded is set;
//   2. while hi - lo >= 2: mid = (lo + hi) / 2 (rounded toward zero); err(mid) >= E moves lo up to
//      mid, otherwise hi comes down to mid;
//   3. err(hi) is evaluated last, so that the caller is left with the transform of hi nodes (the
//      evaluation is skipped when hi was the last count evaluated anyway).
// The halving assumes the error falls as nodes are added; when it does not, the count found is the
// halving's, not necessarily the smallest count within E. mid never drops below 2.
class NodeCountSearch {
public:
    // err(m): fits the data with m nodes per axis and returns the largest error over the rows.
    using ErrorOf = std::function<double(int nodes)>;

    struct Result {
        int nodes = 0;
        bool exceeded = false;
        bool operator==(const Result&) const = default;
    };

    static Result run(int highest, double maxError, const ErrorOf& errorOf);
};

}  // namespace zorv
