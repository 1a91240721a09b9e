#pragma once

namespace zorv {

// How two rules stand to each other, judged by comparing their cells variable by variable.
enum class RuleRelation {
    duplicate,       // all antecedent cells equal and all succedent cells equal
    inconsistent,    // all antecedent cells equal, some succedent cell different
    sameConclusion,  // some antecedent cell different, all succedent cells equal
    unrelated,       // some antecedent cell and some succedent cell different
};

}  // namespace zorv
