#pragma once

#include <vector>

#include "rulebase/analysis/AnalysisCell.h"

namespace zorv {

// The rules of a rule base reduced to what the analysis reads: per rule its enabled flag and one described
// cell per variable. Variables are addressed by the signed index of the rule base: antecedent k is k,
// succedent k is -(k + 1).
class RuleTable {
public:
    RuleTable(int antecedentCount, int succedentCount);

    // cells: one per antecedent, then one per succedent. A row of another length is not taken.
    bool addRule(bool enabled, std::vector<AnalysisCell> cells);

    int antecedentCount() const { return antecedentCount_; }
    int succedentCount() const { return succedentCount_; }
    int ruleCount() const { return static_cast<int>(enabled_.size()); }
    bool enabled(int rule) const { return enabled_[rule]; }
    const AnalysisCell& cell(int signedIndex, int rule) const;

private:
    int columnOf(int signedIndex) const;

    int antecedentCount_;
    int succedentCount_;
    std::vector<bool> enabled_;
    std::vector<AnalysisCell> cells_;  // row-major, antecedentCount_ + succedentCount_ per rule
};

}  // namespace zorv
