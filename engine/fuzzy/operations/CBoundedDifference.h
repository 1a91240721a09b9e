#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Bounded difference: a - b when positive, else 0.
class CBoundedDifference final : public C2ArgOperT<CBoundedDifference> {
public:
    std::string_view typeName() const override { return "bounded-difference"; }
    static double op(double a, double b) {
        const double v = a - b;
        return v > 0.0 ? v : 0.0;
    }
};

}  // namespace zorv
