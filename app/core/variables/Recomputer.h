#pragma once

#include "app/core/variables/ExprOperator.h"

namespace zorv {

// Maps a number linearly from the old context <oldLow, oldHigh> onto the new one <newLow, newHigh>.
class Recomputer final : public ExprOperator {
public:
    Recomputer(double newLow, double newHigh, double oldLow, double oldHigh)
        : newLow_(newLow), newHigh_(newHigh), oldLow_(oldLow), oldHigh_(oldHigh) {}

    void Apply(ELingExpr& node) const override;

private:
    double newLow_;
    double newHigh_;
    double oldLow_;
    double oldHigh_;
};

}  // namespace zorv
