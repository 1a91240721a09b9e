#pragma once

#include <optional>
#include <utility>

namespace zorv {

class CRuleBase;

// The smallest and largest number that the rules write for a vocabulary ("0.5", "about 3", also inside "and" and
// "or"), over every variable that holds it: a context must keep them inside, or those cells no longer compile.
class RuleNumbers {
public:
    // None when no rule of the variables holding the vocabulary of `variable` writes a number.
    static std::optional<std::pair<double, double>> Range(const CRuleBase& unit, int variable);
};

}  // namespace zorv
