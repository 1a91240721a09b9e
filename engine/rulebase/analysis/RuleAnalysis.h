#pragma once

#include <cstddef>
#include <functional>
#include <limits>

#include "rulebase/analysis/RuleGroup.h"
#include "rulebase/analysis/RuleKeys.h"
#include "rulebase/analysis/RuleListExcerpt.h"
#include "rulebase/analysis/RuleRelation.h"
#include "rulebase/analysis/RuleTable.h"

namespace zorv {

class CRuleBase;

// Analysis of a rule base for duplicate, inconsistent and redundant rules. Works on a snapshot of the rules
// (every cell described once), so it never changes the rule base and stays valid until the rules change.
// Cells that do not parse never make two rules equal or comparable.
// Equal rules are found through the keys of RuleKeys, so that the groupings cost time in proportion to the
// number of rules; covering antecedents are found among the distinct ones only (CoverFinder).
class RuleAnalysis {
public:
    // A rule covered in its antecedents by other rules with the same conclusion.
    struct Covered {
        int rule;
        RuleListExcerpt coverers;

        bool operator==(const Covered&) const = default;
    };
    static constexpr std::size_t kAll = std::numeric_limits<std::size_t>::max();

    explicit RuleAnalysis(RuleTable table) : table_(std::move(table)), keys_(table_) {}
    static RuleAnalysis of(const CRuleBase& unit);

    const RuleTable& table() const { return table_; }
    const RuleKeys& keys() const { return keys_; }
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
    // isRedundant of every rule, in one pass over the distinct antecedents.
    std::vector<bool> redundantRules() const;
    // Groups of inconsistent rules whose first-output cells share atom and sign; the most specific first.
    RuleGroups redundantInSuccedent() const;
    // Groups whose first rule is covered (narrower antecedents, equal conclusion) by each of the others:
    // within each group of rules with the same conclusion (groupRules), each member that some other
    // members cover, followed by those in group order.
    RuleGroups redundantInAntecedent() const;
    // The same, each group given as its first rule and an excerpt of at most `listed` of the others.
    std::vector<Covered> antecedentCoverage(std::size_t listed = kAll) const;

private:
    using BucketKey = long long;

    RuleGroups anchoredGroups(const std::function<BucketKey(int)>& bucketOf,
                              const std::function<bool(int, int)>& joins) const;
    RuleGroups pairwiseGroups(RuleRelation kind) const;
    void coverWithin(const RuleGroup& group, std::size_t listed, std::vector<Covered>& result) const;
    void moveMostSpecificToFront(RuleGroup& group) const;
    RuleGroups splitByConsequentAtom(const RuleGroup& members) const;

    RuleTable table_;
    RuleKeys keys_;
};

}  // namespace zorv
