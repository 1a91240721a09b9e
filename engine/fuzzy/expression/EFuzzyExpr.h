#pragma once

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

// A composed fuzzy expression.
class EFuzzyExpr : public ELingExpr {
protected:
    explicit EFuzzyExpr(int kind) : ELingExpr(kind) {}
};

}  // namespace zorv
