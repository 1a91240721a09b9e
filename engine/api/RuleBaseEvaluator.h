#pragma once

#include <mutex>
#include <span>
#include <vector>

#include "api/InputRow.h"
#include "zorv/Types.h"

namespace zorv {

class CRuleBase;

// The one road from the public RuleBase to inference: every evaluation, single, explained or by rows,
// passes here with the inputs as the caller gave them (they are checked and clamped here).
//
// It runs the unit's own evaluation, which keeps its working memory (fired flags, conclusion) in the unit,
// so callers take turns on a lock and a batch runs on the calling thread. Changes to the unit's methods
// take the same lock (exclusive()), so that no evaluation sees half a change.
class RuleBaseEvaluator {
public:
    explicit RuleBaseEvaluator(CRuleBase& unit);

    double evaluate(std::span<const double> inputs) const;
    Evaluation explain(std::span<const double> inputs) const;
    // rows holds out.size() rows of inputCount() values.
    void evaluateRows(std::span<const double> rows, std::span<double> out) const;

    std::size_t inputCount() const { return inputs_.size(); }
    std::unique_lock<std::mutex> exclusive() const { return std::unique_lock(mutex_); }

private:
    void checkEvaluable() const;
    double run(const double* inputs) const;

    CRuleBase& unit_;
    InputRow inputs_;
    mutable std::mutex mutex_;
    mutable std::vector<double> row_;  // the checked inputs of the running evaluation (under the lock)
};

}  // namespace zorv
