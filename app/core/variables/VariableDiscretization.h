#pragma once

namespace zorv {

class CRuleBase;

// Gives a variable a new discretization. A variable's grid size is part of how its rule cells are pooled,
// so the variable and the ones after it in its list are rebuilt in place: each is appended again with its
// own expressions (the changed one at the new size) and the originals are then removed. Names, settings
// (aliases included), expressions and the order of the variables stay as they were.
class VariableDiscretization {
public:
    static void Set(CRuleBase& unit, int signedIndex, int discretization);
};

}  // namespace zorv
