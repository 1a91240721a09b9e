#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rulebase/analysis/RuleGroup.h"
#include "rulebase/RuleRow.h"

namespace zorv {

class CRuleBase;
class RuleAnalysis;

// Builds the rules that Merge Inconsistent leaves: each group of inconsistent rules becomes one rule with
// the group's antecedents and, for the first output, "about " followed by the average of the members'
// consequent values (ConsequentValue), printed with six decimals. Further outputs keep their text when
// all members agree and are averaged the same way otherwise. The merged rules come first, in group order,
// followed by the rules in no group, in order; the list refuses textual copies.
// A rule that merely repeats a group's first rule (a duplicate that the grouping left out) is absorbed
// into the merged rule, so that no rule contradicting the merged one is left behind. The merged rule is
// enabled when any rule it replaces, absorbed ones included, was enabled, and carries their comments.
// A group none of whose first-output consequents has a value is left as it is.
class InconsistencyMerger {
public:
    InconsistencyMerger(const CRuleBase& unit, const RuleAnalysis& analysis, std::vector<RuleRow> rows);

    // The new rules; none when nothing is merged.
    std::optional<std::vector<RuleRow>> merge() const;

private:
    std::optional<RuleRow> mergeGroup(const RuleGroup& group, const RuleGroup& copies) const;
    std::optional<std::string> averagedConsequent(const RuleGroup& group, int output) const;
    bool membersAgree(const RuleGroup& group, int output) const;
    std::string joinedComments(const RuleGroup& group, const RuleGroup& copies) const;
    // Per group, the rules in no group that repeat its first rule.
    RuleGroups copiesOfAnchors(const RuleGroups& groups) const;

    const CRuleBase& unit_;
    const RuleAnalysis& analysis_;
    std::vector<RuleRow> rows_;
};

}  // namespace zorv
