#pragma once

#include <string>
#include <vector>

namespace zorv {

// One rule as handed to CRuleBase::SetRules: its enabled flag and one expression text per antecedent
// followed by one per succedent.
struct RuleRow {
    bool enabled = true;
    std::vector<std::string> texts;

    bool operator==(const RuleRow&) const = default;
};

}  // namespace zorv
