#include "rulebase/analysis/CRuleList.h"

#include <algorithm>

namespace zorv {

std::string CRuleList::keyOf(const RuleRow& row) {
    // Each cell is prefixed by its length, so that no choice of texts makes two different rows share a key.
    std::string key;
    for (const std::string& cell : row.texts) {
        key += std::to_string(cell.size());
        key += ':';
        key += cell;
    }
    return key;
}

bool CRuleList::hasEmptyCell(const RuleRow& row) {
    return std::any_of(row.texts.begin(), row.texts.end(), [](const std::string& text) {
        return text.find_first_not_of(" \t") == std::string::npos;
    });
}

bool CRuleList::add(RuleRow row) {
    if (hasEmptyCell(row)) {
        return false;
    }
    if (refusing_) {
        const auto [position, inserted] = positions_.try_emplace(keyOf(row), rows_.size());
        if (!inserted) {
            rows_[position->second].enabled = rows_[position->second].enabled || row.enabled;
            return false;
        }
    }
    rows_.push_back(std::move(row));
    return true;
}

}  // namespace zorv
