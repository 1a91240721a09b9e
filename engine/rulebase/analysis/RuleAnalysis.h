#pragma once

#include "rulebase/analysis/RuleGroup.h"
#include "rulebase/analysis/RuleRelation.h"
#include "rulebase/analysis/RuleTable.h"

namespace zorv {

class CRuleBase;

// Analysis of a rule base for duplicate, inconsistent and redundant rules. Works on a snapshot of the rules
// (every cell described once), so it never changes the rule base and stays valid until the rules change.
// Cells that do not parse never make two rules equal or comparable.
class RuleAnalysis {
public:
    explicit RuleAnalysis(RuleTable table) : table_(std::move(table)) {}
    static RuleAnalysis of(const CRuleBase& unit);

    const RuleTable& table() const { return table_; }
    int ruleCount() const { return table_.ruleCount(); }

    // Cell comparison of rules a and b for the variable with the given signed index (AnalysisCell::compare).
    int compareCells(int variable, int a, int b) const;
    bool relation(int a, int b, RuleRelation kind) const;
    // Greedy, anchored grouping: each unmarked rule i takes the later unmarked rules related to it.
    RuleGroups groupRules(RuleRelation kind) const;
    // 0 equal antecedents, 1 rule a narrower, 2 rule b narrower, 100 incomparable.
    int compareAntecedents(int a, int b) const;
    // Rule r is covered by another rule with the same conclusion texts and wider antecedents, which is
    // enabled unless r is disabled too.
    bool isRedundant(int r) const;
    // Groups of inconsistent rules whose first-output cells share atom and sign; the most specific first.
    RuleGroups redundantInSuccedent() const;
    // Groups whose first rule is covered (narrower antecedents, equal conclusion) by each of the others,
    // ordered by their first rule.
    RuleGroups redundantInAntecedent() const;

private:
    bool antecedentsEqual(int a, int b) const;
    bool succedentsEqual(int a, int b) const;
    bool conclusionTextsEqual(int a, int b) const;
    bool joinsSuccedentGroup(int head, int member) const;
    RuleGroups splitByConsequentAtom(RuleGroup members) const;
    void moveMostSpecificToFront(RuleGroup& group) const;

    RuleTable table_;
};

}  // namespace zorv
