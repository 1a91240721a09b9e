#include "app/core/testwindow/TestInputs.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

TestInputs::TestInputs(const CRuleBase& unit) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) inputs_.push_back({unit.ContextLow(k), unit.ContextHigh(k), 0.5, std::nullopt});
}

double TestInputs::Value(int input) const {
    const Input& in = At(input);
    if (in.typed) return *in.typed;
    // The ends are the bounds themselves, not a rounding away from them.
    if (in.position >= 1.0) return in.high;
    return in.low + in.position * (in.high - in.low);
}

std::vector<double> TestInputs::Values() const {
    std::vector<double> values;
    values.reserve(inputs_.size());
    for (int k = 0; k < Count(); ++k) values.push_back(Value(k));
    return values;
}

void TestInputs::SetPosition(int input, double position) {
    if (std::isnan(position)) return;
    Input& in = At(input);
    in.position = std::clamp(position, 0.0, 1.0);
    in.typed.reset();
}

bool TestInputs::SetTyped(int input, std::string_view text) {
    std::string decimal(text);
    std::replace(decimal.begin(), decimal.end(), ',', '.');
    const auto value = NumberText::parseField(decimal);
    Input& in = At(input);
    if (!value || *value < in.low || *value > in.high) return false;
    // A context without width has its one value at the slider's start.
    in.position = in.high > in.low ? (*value - in.low) / (in.high - in.low) : 0.0;
    in.typed = *value;
    return true;
}

}  // namespace zorv
