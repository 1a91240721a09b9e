#pragma once

#include <span>
#include <vector>

#include "tuning/SearchProgress.h"
#include "tuning/TuningSearch.h"

namespace zorv {

// Gives back their start values to the parameters that the search moved without gain: one at a time, in
// order, a parameter returns to where it started when the objective is no worse for it. A search leaves many
// parameters somewhere on a plateau of the error or where they hardly matter; the given values are the
// better guess there, and the report then lists only the changes that count.
class ParameterRestorer {
public:
    ParameterRestorer(std::vector<double> start, const TuningSearch::Objective& objective)
        : start_(std::move(start)), objective_(objective) {}

    // The evaluations it may need for a result of the search: one per moved parameter.
    int Needs(std::span<const double> best) const;

    // Restores what it can of best (whose objective is value), counting the evaluations in outcome and
    // reporting them through progress; stops early when stop says so.
    void Run(SearchOutcome& outcome, int budget, const SearchProgressCallback& progress,
             const TuningSearch::StopRequest& stop) const;

private:
    std::vector<double> start_;
    const TuningSearch::Objective& objective_;
};

}  // namespace zorv
