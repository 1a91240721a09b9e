#pragma once

#include <vector>

#include "rulebase/CValue.h"

namespace zorv {

// A linear consequent cell (output variable of kind "linc"): the coefficients c0, c1, ..., cN of
// c0 + c1 x1 + ... + cN xN, one per input variable of the unit plus the constant term.
class CLinCValue final : public CValue {
public:
    CLinCValue(std::string text, int ownerIndex, int antecedentCount);

    std::unique_ptr<CValue> Clone() const override { return std::unique_ptr<CValue>(new CLinCValue(*this)); }

    // Parses the text for the unit's current number of inputs (the array is resized to it).
    void Compile(const CRuleBase& unit) override;
    std::optional<ESyntax> Check(const CRuleBase& unit) const override;
    bool IsLinear() const override { return true; }

    const std::vector<double>& Coefficients() const { return coefficients_; }

private:
    CLinCValue(const CLinCValue&) = default;
    void Parse(const CRuleBase& unit, std::vector<double>& coefficients) const;

    std::vector<double> coefficients_;
};

}  // namespace zorv
