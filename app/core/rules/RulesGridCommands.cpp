#include "app/core/rules/RulesGridCommands.h"

#include <algorithm>

#include "app/core/rules/RulesGrid.h"

namespace zorv {

void RulesGridCommands::clickLabel(int row, bool shift) {
    if (!shift) anchor_ = row;
    const int last = grid_.columns().lastExpression();
    selection_ = {std::min(anchor_, row), std::max(anchor_, row), 1, last, true};
}

void RulesGridCommands::clampSelection() {
    const int lastRow = std::max(grid_.rowCount() - 1, 0);
    const int lastColumn = std::max(grid_.columns().lastExpression(), 1);
    selection_.top = std::clamp(selection_.top, 0, lastRow);
    selection_.bottom = std::clamp(selection_.bottom, selection_.top, lastRow);
    selection_.left = std::clamp(selection_.left, 1, lastColumn);
    selection_.right = std::clamp(selection_.right, selection_.left, lastColumn);
    anchor_ = std::clamp(anchor_, 0, lastRow);
}

int RulesGridCommands::addRule() {
    const int row = grid_.rowCount() == 0 ? 0 : std::min(selection_.top, grid_.rowCount() - 1) + 1;
    grid_.insertEmptyRows(row, 1);
    selection_ = RuleGridSelection::cell(row, 1);
    return row;
}

bool RulesGridCommands::deleteRule() {
    if (!grid_.deleteRows(selection_.top, selection_.bottom)) return false;
    selection_ = RuleGridSelection::cell(selection_.top, selection_.left);
    clampSelection();
    return true;
}

RulesGridCommands::DeleteKey RulesGridCommands::deleteKey(bool editing) {
    if (selection_.spansColumns()) return deleteRule() ? DeleteKey::deletedRows : DeleteKey::nothing;
    if (editing || !grid_.columns().isExpression(selection_.left)) return DeleteKey::nothing;
    grid_.setText(selection_.top, selection_.left, {});
    return DeleteKey::emptiedCell;
}

std::string RulesGridCommands::copy(bool editing, const std::string& editedText) {
    return editing ? clipboard_.copyCell(editedText) : clipboard_.copyRows(grid_, selection_.top, selection_.bottom);
}

std::string RulesGridCommands::cut() {
    std::string text = copy(false, {});
    deleteRule();
    return text;
}

RulesGridCommands::Pasted RulesGridCommands::paste(bool editing, const std::string& clipboardText) {
    const int expressions = grid_.columns().expressionCount();
    switch (pasteKind(editing)) {
        case RuleGridClipboard::Paste::replaceRows: {
            auto rows = clipboard_.rowsOf(clipboardText, expressions);
            const int count = static_cast<int>(rows.size());
            if (count == 0 || !grid_.replaceRows(selection_.top, selection_.bottom, std::move(rows))) return {};
            anchor_ = selection_.top;
            selection_ = {selection_.top, selection_.top + count - 1, 1, grid_.columns().lastExpression(), true};
            return {true, std::nullopt};
        }
        case RuleGridClipboard::Paste::intoCell: return {false, clipboardText};
        case RuleGridClipboard::Paste::insertRows: {
            auto rows = clipboard_.rowsOf(clipboardText, expressions);
            if (rows.empty()) return {};
            const int at = std::min(selection_.top + 1, grid_.rowCount());
            grid_.insertRows(at, std::move(rows));
            selection_ = RuleGridSelection::cell(at, selection_.left);
            return {true, std::nullopt};
        }
        case RuleGridClipboard::Paste::nothing: break;
    }
    return {};
}

std::string RulesGridCommands::duplicate() {
    std::string text = clipboard_.copyRows(grid_, selection_.top, selection_.bottom);
    grid_.insertRows(selection_.bottom + 1, clipboard_.rowsOf(text, grid_.columns().expressionCount()));
    return text;
}

bool RulesGridCommands::invertSign() { return grid_.invertSign(selection_.top, selection_.bottom); }

int RulesGridCommands::deleteEmpty() {
    const int removed = grid_.deleteEmptyRows();
    clampSelection();
    return removed;
}

}  // namespace zorv
