#pragma once

#include <functional>
#include <vector>

#include "rulebase/RuleRow.h"

namespace zorv {

class CRuleBase;
class RuleAnalysis;

// Reports how many rules of how many have been judged.
using AnalysisProgress = std::function<void(int done, int total)>;

// Delete Redundant: the rows in order, without the rows that have an empty cell and without every rule that
// the analysis finds redundant. rows[i] is rule i of the analysis; every rule is judged against the rules as
// they were before any was removed, so the result does not depend on the order of removal.
std::vector<RuleRow> deleteRedundant(const RuleAnalysis& analysis, const std::vector<RuleRow>& rows,
                                     const AnalysisProgress& progress = {});

// The same on the rules of a rule base, which are replaced when anything was removed.
// Returns whether the rules changed.
bool deleteRedundant(CRuleBase& unit, const AnalysisProgress& progress = {});

}  // namespace zorv
