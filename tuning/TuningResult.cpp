#include "tuning/TuningResult.h"

#include "rulebase/CRuleBase.h"

namespace zorv {

TuningResult::TuningResult() = default;
TuningResult::~TuningResult() = default;
TuningResult::TuningResult(TuningResult&&) noexcept = default;
TuningResult& TuningResult::operator=(TuningResult&&) noexcept = default;

}  // namespace zorv
