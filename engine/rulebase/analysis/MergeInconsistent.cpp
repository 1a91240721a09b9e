#include "rulebase/analysis/MergeInconsistent.h"

#include "rulebase/analysis/InconsistencyMerger.h"
#include "rulebase/analysis/RuleAnalysis.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

bool mergeInconsistent(CRuleBase& unit) {
    const RuleAnalysis analysis = RuleAnalysis::of(unit);
    const std::optional<std::vector<RuleRow>> rows =
        InconsistencyMerger(unit, analysis, unit.Rules()).merge();
    if (!rows) {
        return false;
    }
    unit.SetRules(*rows);
    return true;
}

}  // namespace zorv
