#pragma once

#include "app/core/variables/ExprOperator.h"

namespace zorv {

// Cuts a number to the new context <newLow, newHigh>.
class Bounder final : public ExprOperator {
public:
    Bounder(double newLow, double newHigh) : newLow_(newLow), newHigh_(newHigh) {}

    void Apply(ELingExpr& node) const override;

private:
    double newLow_;
    double newHigh_;
};

}  // namespace zorv
