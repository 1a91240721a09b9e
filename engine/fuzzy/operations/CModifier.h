#pragma once

#include <cmath>

#include "fuzzy/operations/C1ArgOper.h"

namespace zorv {

// Power modifier (a hedge): a to the power p. Exponents 2 and 0.5 take a multiplication and a square root.
class CModifier final : public C1ArgOperT<CModifier> {
public:
    explicit CModifier(double exponent) : exponent_(exponent) {}

    std::string_view typeName() const override { return "modifier"; }
    double exponent() const { return exponent_; }

    double op(double a) const {
        if (exponent_ == 2.0) return a * a;
        if (exponent_ == 0.5) return std::sqrt(a);
        return std::pow(a, exponent_);
    }
    // Chooses the exponent's loop once per array.
    void applyInPlace(std::span<double> values) const override;

private:
    double exponent_;
};

}  // namespace zorv
