#pragma once

#include <string>
#include <vector>

namespace zorv {

// One rule as handed to CRuleBase::SetRules: its enabled flag and one expression text per antecedent
// followed by one per succedent. comment holds the ";" lines of the file that stand before the rule, joined
// by line feeds (empty when there are none); it travels with the rule.
struct RuleRow {
    RuleRow() = default;
    RuleRow(bool enabled, std::vector<std::string> texts, std::string comment = {})
        : enabled(enabled), texts(std::move(texts)), comment(std::move(comment)) {}

    bool enabled = true;
    std::vector<std::string> texts;
    std::string comment;

    bool operator==(const RuleRow&) const = default;
};

}  // namespace zorv
