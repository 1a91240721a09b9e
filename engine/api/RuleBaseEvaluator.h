#pragma once

#include <memory>
#include <mutex>
#include <span>
#include <vector>

#include "api/InputRow.h"
#include "inference/compiled/Workspace.h"
#include "zorv/Types.h"

namespace zorv {

class CRuleBase;
class CompiledRuleBase;

// The one road from the public RuleBase to inference: every evaluation, single, explained or by rows,
// passes here with the inputs as the caller gave them (they are checked and clamped here).
//
// Evaluations run on the rule base's compiled form. A single evaluation uses this evaluator's own workspace
// and takes turns on a lock; a batch of rows takes the current compiled form under the lock and then
// evaluates it on every core, one workspace per thread, without holding the lock. Changes to the unit's
// methods take the same lock (exclusive()), so that no evaluation starts from half a change.
class RuleBaseEvaluator {
public:
    explicit RuleBaseEvaluator(CRuleBase& unit);

    double evaluate(std::span<const double> inputs) const;
    Evaluation explain(std::span<const double> inputs) const;
    // rows holds out.size() rows of inputCount() values; jobs: the most threads, 0 for every core.
    void evaluateRows(std::span<const double> rows, std::span<double> out, int jobs = 0) const;

    std::size_t inputCount() const { return inputs_.size(); }
    std::unique_lock<std::mutex> exclusive() const { return std::unique_lock(mutex_); }

private:
    // The compiled form to evaluate, or an Error saying why the rule base cannot be evaluated.
    std::shared_ptr<const CompiledRuleBase> evaluable() const;
    double run(const CompiledRuleBase& compiled, std::span<const double> row, Workspace& ws) const;

    CRuleBase& unit_;
    InputRow inputs_;
    mutable std::mutex mutex_;
    mutable std::vector<double> row_;  // the checked inputs of the running single evaluation (under the lock)
    mutable Workspace workspace_;      // the workspace of single evaluations (under the lock)
};

}  // namespace zorv
