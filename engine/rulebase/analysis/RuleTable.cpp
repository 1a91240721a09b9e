#include "rulebase/analysis/RuleTable.h"

#include <algorithm>
#include <iterator>

namespace zorv {

RuleTable::RuleTable(int antecedentCount, int succedentCount)
    : antecedentCount_(std::max(antecedentCount, 0)), succedentCount_(std::max(succedentCount, 0)) {}

bool RuleTable::addRule(bool enabled, std::vector<AnalysisCell> cells) {
    if (static_cast<int>(cells.size()) != antecedentCount_ + succedentCount_) {
        return false;
    }
    enabled_.push_back(enabled);
    std::move(cells.begin(), cells.end(), std::back_inserter(cells_));
    return true;
}

int RuleTable::columnOf(int signedIndex) const {
    return signedIndex >= 0 ? signedIndex : antecedentCount_ + ~signedIndex;
}

const AnalysisCell& RuleTable::cell(int signedIndex, int rule) const {
    const auto width = static_cast<std::size_t>(antecedentCount_ + succedentCount_);
    return cells_[static_cast<std::size_t>(rule) * width + static_cast<std::size_t>(columnOf(signedIndex))];
}

}  // namespace zorv
