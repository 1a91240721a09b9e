#pragma once

#include <functional>

namespace zorv {

// Where a search stands after an evaluation: evaluations done of the budget and the best value found so far
// (infinite while no candidate was valid).
struct SearchProgress {
    int evaluations = 0;
    int budget = 0;
    double best = 0.0;
    bool improved = false;  // this evaluation found a better value
};

// Called on the thread that runs the search, after every evaluation.
using SearchProgressCallback = std::function<void(const SearchProgress&)>;

}  // namespace zorv
