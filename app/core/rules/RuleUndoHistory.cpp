#include "app/core/rules/RuleUndoHistory.h"

namespace zorv {

void RuleUndoHistory::clear() {
    undo_.clear();
    redo_.clear();
}

bool RuleUndoHistory::snapshot(const RuleList& current) { return snapshot(RuleList(current)); }

bool RuleUndoHistory::snapshot(RuleList&& current) {
    if (!undo_.empty() && undo_.back() == current) {
        return false;
    }
    undo_.push_back(std::move(current));
    redo_.clear();
    return true;
}

std::optional<RuleList> RuleUndoHistory::undo(const RuleList& current) {
    while (!undo_.empty()) {
        if (undo_.back() != current) {
            return undo_.back();
        }
        redo_.push_back(std::move(undo_.back()));
        undo_.pop_back();
    }
    undo_.push_back(current);
    return std::nullopt;
}

std::optional<RuleList> RuleUndoHistory::redo(const RuleList& current) {
    while (!redo_.empty()) {
        RuleList top = std::move(redo_.back());
        redo_.pop_back();
        if (undo_.empty() || undo_.back() != top) {
            undo_.push_back(top);
        }
        if (top != current) {
            return top;
        }
    }
    return std::nullopt;
}

}  // namespace zorv
