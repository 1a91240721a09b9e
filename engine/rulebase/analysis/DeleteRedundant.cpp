#include "rulebase/analysis/DeleteRedundant.h"

#include <algorithm>

#include "rulebase/analysis/CRuleList.h"
#include "rulebase/analysis/RuleAnalysis.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

std::vector<RuleRow> deleteRedundant(const RuleAnalysis& analysis, const std::vector<RuleRow>& rows,
                                     const AnalysisProgress& progress) {
    CRuleList list;
    const int total = std::min(analysis.ruleCount(), static_cast<int>(rows.size()));
    const std::vector<bool> redundant = analysis.redundantRules();
    for (int i = 0; i < total; ++i) {
        if (!redundant[i]) {
            list.add(rows[i]);
        }
        if (progress) {
            progress(i + 1, total);
        }
    }
    return std::move(list).takeRows();
}

bool deleteRedundant(CRuleBase& unit, const AnalysisProgress& progress) {
    const std::vector<RuleRow> rows = unit.Rules();
    std::vector<RuleRow> kept = deleteRedundant(RuleAnalysis::of(unit), rows, progress);
    if (kept == rows) {
        return false;
    }
    unit.SetRules(kept);
    return true;
}

}  // namespace zorv
