#include "rulebase/CLinCValue.h"

#include "fuzzy/linear/CLinCSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

CLinCValue::CLinCValue(std::string text, int ownerIndex, int antecedentCount)
    : CValue(std::move(text), ownerIndex), coefficients_(static_cast<std::size_t>(antecedentCount) + 1, 0.0) {}

void CLinCValue::Compile(const CRuleBase& unit) {
    try {
        Parse(unit, coefficients_);
        SetCompileError(std::nullopt);
    } catch (const ESyntax& error) {
        coefficients_.assign(coefficients_.size(), 0.0);
        SetCompileError(error.message());
        throw;
    }
}

std::optional<ESyntax> CLinCValue::Check(const CRuleBase& unit) const {
    std::vector<double> coefficients;
    try {
        Parse(unit, coefficients);
    } catch (const ESyntax& error) {
        return error;
    }
    return std::nullopt;
}

// One coefficient per input of the unit as it is now, plus the constant term.
void CLinCValue::Parse(const CRuleBase& unit, std::vector<double>& coefficients) const {
    const int n = unit.AntecedentCount();
    coefficients.assign(static_cast<std::size_t>(n) + 1, 0.0);
    const auto* settings = dynamic_cast<const CLinCSettings*>(&unit.Settings(OwnerIndex()));
    if (settings == nullptr) throw ESyntax("linear form in a variable without linear settings", Text(), 0);
    settings->parseLinear(Text(), coefficients.data(), n);
}

}  // namespace zorv
