#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/workbench/Prompter.h"
#include "app/core/terms/UserTermCellCheck.h"
#include "app/core/terms/UserTermTable.h"
#include "app/core/terms/UserTermUniform.h"

namespace zorv {

class CRuleBase;
class TermClipboard;

// The user-expressions editor of one variable without its widgets: the term grid filled from the
// variable's user terms, the add, type, delete, copy and paste commands, the cell checks, and the commit
// that rebuilds the user terms from the grid and carries renamed terms into the rules.
// Nothing reaches the rule base before commit().
class UserTermSession {
public:
    // The variable's vocabulary must be a fuzzy one (it holds user terms).
    UserTermSession(const CRuleBase& unit, int signedIndex);

    const UserTermTable& table() const { return table_; }
    UserTermTable& table() { return table_; }
    int variableIndex() const { return signedIndex_; }

    // "Add Quadratic" and the other add buttons: the new row comes last; its position.
    int add(std::string_view type);
    // "Add Uniform" with the answer of its query; the message when it refuses.
    std::optional<PromptMessage> addUniform(std::optional<std::string_view> answer);
    // "Delete": the message when the row's term is used by rules.
    std::optional<PromptMessage> remove(int row);

    // Copies the rows onto the clipboard (rows out of range are skipped).
    void copy(const std::vector<int>& rows, TermClipboard& clipboard) const;
    // Inserts the clipboard's terms below the row (into the placeholder when there are no terms), each
    // with a name no other row has; the position of the first inserted row, or none when nothing was pasted.
    std::optional<int> paste(int row, const TermClipboard& clipboard);

    UserTermVerdict check(int row, int column) const { return UserTermCellCheck::Check(table_, row, column); }

    // Rebuilds the variable's user terms from the rows, renames the terms in the rules where a row's name
    // changed, and recompiles the rule base. The caller checks the cells first.
    void commit(CRuleBase& unit) const;

private:
    void load(const CRuleBase& unit);

    int signedIndex_;
    UserTermTable table_;
};

}  // namespace zorv
