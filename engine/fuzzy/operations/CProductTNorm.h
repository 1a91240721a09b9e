#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Product t-norm: a * b.
class CProductTNorm final : public C2ArgOperT<CProductTNorm> {
public:
    std::string_view typeName() const override { return "product"; }
    static double op(double a, double b) { return a * b; }
};

}  // namespace zorv
