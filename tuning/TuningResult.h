#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tuning/SearchOutcome.h"

namespace zorv {

class CRuleBase;

// One parameter before and after the tuning.
struct ParameterChange {
    std::string name;
    double before = 0.0;
    double after = 0.0;

    bool Moved() const { return before != after; }
};

// What a tuning gives: the tuned rule base and the report on it.
struct TuningResult {
    TuningResult();
    ~TuningResult();
    TuningResult(TuningResult&&) noexcept;
    TuningResult& operator=(TuningResult&&) noexcept;

    // The tuned rule base, compiled; equal to the given one when nothing better was found.
    std::unique_ptr<CRuleBase> tuned;
    std::string measure;  // "rmse", "mae" or "max"
    int trainingRows = 0;
    int holdOutRows = 0;
    double trainingBefore = 0.0;
    double trainingAfter = 0.0;
    std::optional<double> holdOutBefore;  // none without a hold-out
    std::optional<double> holdOutAfter;
    std::vector<ParameterChange> changes;  // every parameter the search could move, in order
    SearchOutcome search;
};

}  // namespace zorv
