#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Lukasiewicz implication: min(1, 1 - a + b).
class CLukasiewiczImplication final : public C2ArgOperT<CLukasiewiczImplication> {
public:
    std::string_view typeName() const override { return "lukasiewicz-implication"; }
    static double op(double a, double b) {
        const double v = 1.0 - a + b;
        return v < 1.0 ? v : 1.0;
    }
};

}  // namespace zorv
