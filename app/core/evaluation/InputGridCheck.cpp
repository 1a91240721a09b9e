#include "app/core/evaluation/InputGridCheck.h"

#include <stdexcept>

#include "rulebase/CRuleBase.h"

namespace zorv {

void InputGridCheck::Require(const CRuleBase& unit, std::initializer_list<int> variables,
                             const std::vector<double>& at) {
    if (unit.SuccedentCount() == 0) throw std::invalid_argument("the rule base has no output variable");
    for (const int k : variables) {
        if (k < 0 || k >= unit.AntecedentCount()) throw std::invalid_argument("no such input variable");
    }
    if (at.size() != static_cast<std::size_t>(unit.AntecedentCount())) {
        throw std::invalid_argument("one value per input variable is needed");
    }
}

}  // namespace zorv
