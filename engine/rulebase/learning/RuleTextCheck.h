#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace zorv {

class CRuleBase;

// Tells whether rule texts compile with the variables of a rule base as they are now, the way the rule base
// compiles its cells: a fuzzy expression in the variable's vocabulary at its discretization, a linear form
// for an output with linear settings. Each distinct text of a variable is tried once.
class RuleTextCheck {
public:
    explicit RuleTextCheck(const CRuleBase& unit);

    // Why the texts (one per input, then one per output) do not make a rule of the unit, e.g.
    // "x: unknown term t3", or none when they do.
    std::optional<std::string> fault(const std::vector<std::string>& texts);

private:
    std::optional<std::string> cellFault(std::size_t column, const std::string& text);
    std::optional<std::string> compileFault(int variable, const std::string& text) const;
    int variableOf(std::size_t column) const;

    const CRuleBase& unit_;
    std::vector<std::unordered_map<std::string, std::optional<std::string>>> seen_;  // per column
};

}  // namespace zorv
