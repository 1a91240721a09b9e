#include <algorithm>
#include <limits>

#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// c0 for a singleton unit; c0 + c1 x_0 + ... + cN x_{N-1} for a takagi_sugeno unit (missing terms count 0).
double RuleOutput(const std::vector<double>* coefficients, const double* inputs, int antecedents, bool linear) {
    if (coefficients == nullptr || coefficients->empty()) return 0.0;
    const std::vector<double>& c = *coefficients;
    double y = c[0];
    if (!linear) return y;
    const int terms = std::min(antecedents, static_cast<int>(c.size()) - 1);
    for (int k = 0; k < terms; ++k) y += c[static_cast<std::size_t>(k) + 1] * inputs[k];
    return y;
}

}  // namespace

// Rules of degree 0 add nothing to either sum, so only the active rules are visited.
double InferTakagiSugeno(CRuleBase& unit, const double* inputs) {
    InferenceScratch& s = BeginCrispInference(unit, inputs);
    if (unit.descriptionType() == DescriptionType::linguistic) return std::numeric_limits<double>::infinity();
    const bool linear = unit.descriptionType() == DescriptionType::takagi_sugeno;
    std::vector<std::uint8_t>& fired = unit.Fired();
    double weights = 0.0;
    double sum = 0.0;
    for (const int r : s.active) {
        const double w = s.ruleDegree[static_cast<std::size_t>(r)];
        fired[static_cast<std::size_t>(r)] = 1;
        weights += w;
        sum += w * RuleOutput(s.coefficients[static_cast<std::size_t>(r)], inputs, s.antecedentCount, linear);
    }
    CountFired(unit, s);
    if (weights != 0.0) return sum / weights;
    return (s.low + s.high) * 0.5;
}

}  // namespace zorv
