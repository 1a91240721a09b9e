#pragma once

#include <vector>

#include "rulebase/RuleRow.h"

namespace zorv {

class CRuleBase;

// Delete Duplicit: the rows in order, without the rows that have an empty cell and without every row whose
// cells are all textually equal to those of an earlier row (an enabled copy enables the kept row).
std::vector<RuleRow> deleteDuplicit(const std::vector<RuleRow>& rows);

// The same on the rules of a rule base, which are replaced when anything was removed.
// Returns whether the rules changed.
bool deleteDuplicit(CRuleBase& unit);

}  // namespace zorv
