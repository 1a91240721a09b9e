#pragma once

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

// A special word standing for the whole cell ("undef", "ignor").
class ESpecialExpr : public ELingExpr {
protected:
    explicit ESpecialExpr(int kind) : ELingExpr(kind) {}
};

}  // namespace zorv
