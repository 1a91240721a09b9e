#pragma once

#include <string>
#include <vector>

namespace zorv {

class CRuleBase;
class ExprOperator;

// The distinct rule expressions of one variable that are, as a whole, a number or an "about" number
// ("0.5", "about 3"): the expressions whose numbers follow the variable's context when it changes.
class VariableNumbers {
public:
    VariableNumbers(const CRuleBase& unit, int signedIndex);

    bool Any() const { return !texts_.empty(); }
    const std::vector<std::string>& Texts() const { return texts_; }
    // Whether every such number lies in <low, high>.
    bool AllInRange(const CRuleBase& unit, double low, double high) const;
    // Applies the operator to every such expression and puts the printed result into the rules in place of
    // the old text.
    void Rewrite(CRuleBase& unit, const ExprOperator& op) const;

private:
    int signedIndex_;
    std::vector<std::string> texts_;
};

}  // namespace zorv
