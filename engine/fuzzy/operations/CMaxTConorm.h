#pragma once

#include "fuzzy/operations/C2ArgOper.h"

namespace zorv {

// Maximum t-conorm: max(a, b).
class CMaxTConorm final : public C2ArgOperT<CMaxTConorm> {
public:
    std::string_view typeName() const override { return "max"; }
    static double op(double a, double b) { return a > b ? a : b; }
};

}  // namespace zorv
