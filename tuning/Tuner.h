#pragma once

#include <memory>

#include "tuning/ParameterApplier.h"
#include "tuning/RowObjective.h"
#include "tuning/TuningOptions.h"
#include "tuning/TuningResult.h"
#include "tuning/TuningRows.h"
#include "tuning/TuningSearch.h"

namespace zorv {

class CRuleBase;

// Fits the parameters of a rule base to data rows: sets the hold-out aside, lists what may move with its bounds,
// searches (TuningSearch) for the values whose rule base has the least error over the other rows, and reports
// the error before and after on both sets of rows. The rule base given is not changed; the result holds a
// tuned copy whose values are rounded to six significant digits, as a person would write them, as long as that
// keeps it valid, and which is never worse on the fitted rows than the rule base given.
//
// The constructor throws ETuningRefused when the tuning cannot start (no output variable, a rule base that
// refuses to evaluate, rows of the wrong width, no rows to fit, unknown names, bounds that are no interval,
// nothing to move).
class Tuner {
public:
    Tuner(const CRuleBase& unit, const TuningRows& rows, const TuningOptions& options);

    const ParameterSpace& Space() const { return applier_.Space(); }
    const TuningRows& Training() const { return training_; }
    const TuningRows& HoldOut() const { return holdOut_; }

    // The objective over the fitted rows for a vector of values in Space()'s order; none when they make no
    // valid rule base.
    std::optional<double> Objective(std::span<const double> values) const;

    // Runs the search; progress and stop are asked on the calling thread. A stopped search gives the best
    // rule base found so far.
    TuningResult Run(const SearchProgressCallback& progress = {}, const TuningSearch::StopRequest& stop = {}) const;

private:
    static void CheckUnit(const CRuleBase& unit, const TuningRows& rows);
    static ParameterSpace SpaceOf(const CRuleBase& unit, const TuningOptions& options);
    // The values rounded to six significant digits when they still make a valid rule base, else as they are.
    AppliedParameters Final(std::vector<double>& values) const;
    void Report(TuningResult& result, const CRuleBase& tuned) const;

    TuningOptions options_;
    TuningRows training_;
    TuningRows holdOut_;
    ParameterApplier applier_;
    RowObjective objective_;
};

}  // namespace zorv
