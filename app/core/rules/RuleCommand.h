#pragma once

namespace zorv {

// The rule commands of the main window's Edit menu that work on an editor's rules grid.
enum class RuleCommand {
    deleteEmpty,
    duplicate,
    invertSign,
    deleteDuplicit,
    deleteRedundant,
    mergeInconsistent,
};

}  // namespace zorv
