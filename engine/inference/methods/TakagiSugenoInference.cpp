#include <algorithm>

#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"

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
double InferTakagiSugeno(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs) {
    BeginCrispInference(compiled, ws, inputs);
    const CompiledRules& c = compiled.rules();
    const bool linear = compiled.descriptionType() == DescriptionType::takagi_sugeno;
    double weights = 0.0;
    double sum = 0.0;
    for (const int r : ws.active) {
        const double w = ws.ruleDegree[static_cast<std::size_t>(r)];
        ws.fired[static_cast<std::size_t>(r)] = 1;
        weights += w;
        sum += w * RuleOutput(c.coefficients[static_cast<std::size_t>(r)], inputs, c.antecedentCount, linear);
    }
    CountFired(ws);
    if (weights != 0.0) return sum / weights;
    return (c.low + c.high) * 0.5;
}

}  // namespace zorv
