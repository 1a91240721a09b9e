#pragma once

#include "fuzzy/expression/ELingExpr.h"

namespace zorv {

// A single term of an expression.
class ETerm : public ELingExpr {
protected:
    explicit ETerm(int kind) : ELingExpr(kind) {}
};

}  // namespace zorv
