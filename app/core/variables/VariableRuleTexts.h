#pragma once

#include <string>
#include <vector>

namespace zorv {

class CRuleBase;
struct RuleRow;

// The rule expressions of one variable (a signed index): reading them, and writing them back into the rules.
class VariableRuleTexts {
public:
    // The variable's expression in every rule, in rule order.
    static std::vector<std::string> Of(const CRuleBase& unit, int signedIndex);
    // The position of the variable's text in a rule row: inputs first, then outputs.
    static std::size_t Column(const CRuleBase& unit, int signedIndex);
    // Gives the rules the edited rows. Compilation failures stay with the cells (the editor reports them
    // when it compiles the rule base).
    static void Store(CRuleBase& unit, const std::vector<RuleRow>& rows);
};

}  // namespace zorv
