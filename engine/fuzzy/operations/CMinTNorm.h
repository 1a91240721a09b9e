#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Minimum t-norm: min(a, b), b when a >= b (written as a < b ? a : b, which compiles to a vector minimum).
class CMinTNorm final : public C2ArgOperT<CMinTNorm> {
public:
    std::string_view typeName() const override { return "min"; }
    static double op(double a, double b) { return a < b ? a : b; }
};

}  // namespace zorv
