#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Lukasiewicz t-norm: max(0, a + b - 1).
class CLukasiewiczTNorm final : public C2ArgOperT<CLukasiewiczTNorm> {
public:
    std::string_view typeName() const override { return "lukasiewicz"; }
    static double op(double a, double b) {
        const double v = a + b - 1.0;
        return v > 0.0 ? v : 0.0;
    }
};

}  // namespace zorv
