#pragma once

#include "fuzzy/operations/C1ArgOper.h"

namespace zorv {

// Negation: 1 - a.
class CNegation final : public C1ArgOperT<CNegation> {
public:
    std::string_view typeName() const override { return "negation"; }
    double op(double a) const { return 1.0 - a; }
};

}  // namespace zorv
