#pragma once

#include <optional>
#include <vector>

#include "rulebase/RuleRow.h"

namespace zorv {

using RuleList = std::vector<RuleRow>;

// Undo and redo of an editor's rules: two unbounded stacks of complete rule lists. Only the rules are
// covered, not variables, methods or the description. Equal neighbours are never stacked twice.
class RuleUndoHistory {
public:
    // Forgets both stacks.
    void clear();

    // Remembers current unless it already is the top of the undo stack; remembering empties the redo
    // stack. Returns whether current was pushed.
    bool snapshot(const RuleList& current);
    bool snapshot(RuleList&& current);

    // Steps back from current: the tops equal to current move to the redo stack; the first top that
    // differs is returned (and stays on the undo stack). None when the undo stack ran empty, in which case
    // current is remembered again so that there is always something to return to.
    std::optional<RuleList> undo(const RuleList& current);

    // Steps forward from current: the redo tops move back to the undo stack (skipping one equal to the
    // undo top) until one differs from current, which is returned. None when nothing differs.
    std::optional<RuleList> redo(const RuleList& current);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Whether undo (redo) from current would change the rules. Neighbours on a stack differ, so with two
    // entries one of them differs from current.
    bool canUndoFrom(const RuleList& current) const { return differs(undo_, current); }
    bool canRedoFrom(const RuleList& current) const { return differs(redo_, current); }
    std::size_t undoDepth() const { return undo_.size(); }
    std::size_t redoDepth() const { return redo_.size(); }

private:
    static bool differs(const std::vector<RuleList>& stack, const RuleList& current) {
        return stack.size() > 1 || (stack.size() == 1 && stack.back() != current);
    }

    std::vector<RuleList> undo_;
    std::vector<RuleList> redo_;
};

}  // namespace zorv
