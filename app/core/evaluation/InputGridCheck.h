#pragma once

#include <initializer_list>
#include <vector>

namespace zorv {

class CRuleBase;

// The checks shared by the grids of evaluation points over a rule base's inputs (surface, projection).
class InputGridCheck {
public:
    // Refuses (std::invalid_argument) a rule base without an output variable, a variable that is not an
    // input index, and values that are not one per input.
    static void Require(const CRuleBase& unit, std::initializer_list<int> variables, const std::vector<double>& at);
};

}  // namespace zorv
