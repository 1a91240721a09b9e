#include "app/core/UserTermValue.h"

#include "app/core/TermNumberText.h"

namespace zorv {

UserTermValue UserTermValue::Of(double value) { return {TermNumberText::ThreeDigits(value), value}; }

std::optional<double> UserTermValue::number() const {
    if (exact && text == TermNumberText::ThreeDigits(*exact)) return exact;
    return TermNumberText::ParseReal(text);
}

}  // namespace zorv
