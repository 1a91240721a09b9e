#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "tuning/SearchLimits.h"
#include "tuning/SearchOutcome.h"
#include "tuning/SearchProgress.h"

namespace zorv {

// Minimises an objective over a box without derivatives, with NLopt: first a global search (controlled random
// search with local mutation, whose population covers the box and which does not stall on the plateaus that
// piecewise-constant outputs give), then a local refinement from the best point (Subplex), repeated while it
// still improves. The global search takes kGlobalShare of the evaluations; the rest, and what the global
// search leaves, go to the refinement.
//
// Every evaluation is counted here, the start included, and the search stops at the budget, the time limit
// or a stop request, keeping the best point seen. The random numbers come from the seed alone, so the same
// seed, objective and budget give the same result.
class TuningSearch {
public:
    // The objective at a candidate; none when the values make no valid candidate.
    using Objective = std::function<std::optional<double>(std::span<const double>)>;
    using StopRequest = std::function<bool()>;

    static constexpr double kGlobalShare = 0.6;

    // start must be valid; start, lower and upper have one value per dimension, lower < upper.
    TuningSearch(std::vector<double> start, std::vector<double> lower, std::vector<double> upper, SearchLimits limits);

    SearchOutcome Run(const Objective& objective, const SearchProgressCallback& progress = {},
                      const StopRequest& stop = {}) const;

private:
    std::vector<double> start_;
    std::vector<double> lower_;
    std::vector<double> upper_;
    SearchLimits limits_;
};

}  // namespace zorv
