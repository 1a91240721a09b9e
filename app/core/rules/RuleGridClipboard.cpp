#include "app/core/rules/RuleGridClipboard.h"

#include "app/core/rules/RuleClipboardText.h"
#include "app/core/rules/RulesGrid.h"

namespace zorv {

std::string RuleGridClipboard::copyCell(const std::string& text) {
    holdsCell_ = true;
    return text;
}

std::string RuleGridClipboard::copyRows(const RulesGrid& grid, int first, int last) {
    copiedTexts_.clear();
    copiedComments_.clear();
    for (int r = first; r <= last && r < grid.rowCount(); ++r) {
        RuleGridRow row = grid.row(r);
        copiedTexts_.push_back(std::move(row.texts));
        copiedComments_.push_back(std::move(row.comment));
    }
    holdsCell_ = false;
    return RuleClipboardText::format(copiedTexts_);
}

RuleGridClipboard::Paste RuleGridClipboard::pasteKind(bool rowMode, bool editing) const {
    if (rowMode) return Paste::replaceRows;
    if (editing && holdsCell_) return Paste::intoCell;
    if (!editing && !holdsCell_) return Paste::insertRows;
    return Paste::nothing;
}

std::vector<RuleGridRow> RuleGridClipboard::rowsOf(const std::string& text, int expressionCount) const {
    auto parsed = RuleClipboardText::parse(text, expressionCount);
    const bool copiedHere = parsed == copiedTexts_;
    std::vector<RuleGridRow> rows;
    for (std::size_t line = 0; line < parsed.size(); ++line) {
        rows.push_back(RuleGridRow{true, std::move(parsed[line]), copiedHere ? copiedComments_[line] : std::string(), {}});
    }
    return rows;
}

}  // namespace zorv
