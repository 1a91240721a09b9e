#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "rulebase/RuleRow.h"

namespace zorv {

// An ordered list of rules collected for replacing the rules of a rule base. Rows with an empty cell are
// never taken. In refusing mode a row whose cells are all textually equal to those of a row already in the
// list is refused; when the refused copy is enabled, the kept one becomes enabled, so that removing copies
// never takes a rule out of inference.
class CRuleList {
public:
    explicit CRuleList(bool refusing = false) : refusing_(refusing) {}

    // True when the row was appended.
    bool add(RuleRow row);

    // A text that is empty or holds only blanks: such a row is not a rule yet.
    static bool hasEmptyCell(const RuleRow& row);

    int count() const { return static_cast<int>(rows_.size()); }
    const std::vector<RuleRow>& rows() const { return rows_; }
    std::vector<RuleRow> takeRows() && { return std::move(rows_); }

private:
    static std::string keyOf(const RuleRow& row);

    bool refusing_;
    std::vector<RuleRow> rows_;
    std::unordered_map<std::string, std::size_t> positions_;  // cells key -> index in rows_ (refusing mode)
};

}  // namespace zorv
