#pragma once

#include "app/core/evaluation/EvaluatorSource.h"

namespace zorv {

class CRuleBase;

// Which output a point evaluation gives: the plain inference (and defuzzification for a linguistic rule
// base; the crisp Takagi-Sugeno result for a singleton one), or the output through the F-transform filter.
enum class UnitResponse { Plain, Filtered };

// Evaluates points on the rule base document itself (CRuleBase::Evaluate or EvaluateFiltered), so only on
// the thread that owns it and one evaluator at a time (Concurrency() is 1), each evaluator with a workspace
// of its own. A point whose size does not match the unit's inputs (the unit changed under a computation) is
// refused with std::invalid_argument.
class UnitEvaluatorSource final : public EvaluatorSource {
public:
    explicit UnitEvaluatorSource(CRuleBase& unit, UnitResponse response = UnitResponse::Plain)
        : unit_(unit), response_(response) {}

    int Concurrency() const override { return 1; }
    std::unique_ptr<PointEvaluator> NewEvaluator() const override;

private:
    CRuleBase& unit_;
    UnitResponse response_;
};

}  // namespace zorv
