#include "app/core/terms/UserTermValue.h"

#include "text/NumberText.h"

namespace zorv {

UserTermValue UserTermValue::Of(double value) { return {NumberText::threeDigits(value), value}; }

std::optional<double> UserTermValue::number() const {
    if (exact && text == NumberText::threeDigits(*exact)) return exact;
    return NumberText::parseField(text);
}

}  // namespace zorv
