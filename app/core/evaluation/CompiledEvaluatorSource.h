#pragma once

#include <memory>

#include "app/core/evaluation/EvaluatorSource.h"

namespace zorv {

class CompiledRuleBase;
class FTInferenceFilter;

// Evaluates points on a snapshot of a rule base: its compiled form (and, for filtered output, a filter built
// from that form), both immutable. Any number of evaluators may work at once, each on a thread of its own
// with a workspace of its own, while the document is edited; the document's own evaluation state is never
// touched. A point whose size does not match the inputs is refused with std::invalid_argument.
class CompiledEvaluatorSource final : public EvaluatorSource {
public:
    // filter: null for the plain output.
    CompiledEvaluatorSource(std::shared_ptr<const CompiledRuleBase> compiled,
                            std::shared_ptr<const FTInferenceFilter> filter, int concurrency);

    int Concurrency() const override { return concurrency_; }
    std::unique_ptr<PointEvaluator> NewEvaluator() const override;

private:
    std::shared_ptr<const CompiledRuleBase> compiled_;
    std::shared_ptr<const FTInferenceFilter> filter_;
    int concurrency_;
};

}  // namespace zorv
