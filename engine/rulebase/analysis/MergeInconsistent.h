#pragma once

namespace zorv {

class CRuleBase;

// Merge Inconsistent: replaces every group of inconsistent rules by one rule whose consequent is
// "about" the average of the members' values (InconsistencyMerger). Returns whether the rules changed;
// with no inconsistent rules nothing changes.
bool mergeInconsistent(CRuleBase& unit);

}  // namespace zorv
