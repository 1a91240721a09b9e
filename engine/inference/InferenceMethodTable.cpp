#include "inference/InferenceMethodTable.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "inference/ERefused.h"
#include "inference/methods/CrispInference.h"
#include "inference/methods/InferenceMethods.h"
#include "inference/methods/MethodLookup.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "inference/compiled/EvaluationRefusal.h"
#include "inference/compiled/Workspace.h"

namespace zorv {

namespace {

constexpr InferenceMethodEntry Crisp(std::string_view key, CrispInferenceFn fn, std::string_view shortName,
                                     std::string_view displayName) {
    return {key, InferenceKind::Crisp, fn, nullptr, nullptr, shortName, displayName};
}

constexpr InferenceMethodEntry Fuzzy(std::string_view key, FuzzyInferenceFn fn) {
    return {key, InferenceKind::FuzzyInput, nullptr, fn, nullptr, key, key};
}

constexpr std::array<InferenceMethodEntry, 8> kMethods{{
    Crisp("Fuzzy_Approximation-logical", &InferCnf, "LLogInfCrisp", "Fuzzy Approximation (CNF)"),
    Crisp("Logical_Deduction", &InferLogicalDeduction, "LLogInfPreCrisp", "Perception-based Logical Deduction"),
    Fuzzy("LLogInfFuz", &InferLogicalFuzzyInput),
    Crisp("Fuzzy_Approximation-functional", &InferDnfMin, "LZadInfCrispMin", "Fuzzy Approximation (DNF) with Minimum"),
    Crisp("Fuzzy_Approximation-func_prod", &InferDnfProduct, "LZadInfCrispProd",
          "Fuzzy Approximation (DNF) with Product"),
    Crisp("Fuzzy_Approximation-func_luk", &InferDnfLukasiewicz, "LZadInfCrispLuk",
          "Fuzzy Approximation (DNF) with Lukasiewicz"),
    Fuzzy("LZadInfFuz", &InferFunctionalFuzzyInput),
    {"Takagi-Sugeno Inference", InferenceKind::TakagiSugeno, nullptr, nullptr, &InferTakagiSugeno, "LLinCInfCrisp",
     "Takagi-Sugeno Inference"},
}};

constexpr std::array<const InferenceMethodEntry*, 6> kChoices{
    &kMethods[1], &kMethods[0], &kMethods[3], &kMethods[4], &kMethods[5], &kMethods[7],
};

// Writes the singleton of a crisp input: 1 at the grid point nearest to x, 0 elsewhere (all 0 outside the
// context, where the crisp methods' memberships are 0 as well).
void MakeSingleton(CFuzzyDiscreteSet& set, const AntecedentContext& context, double x) {
    set.fill(0.0);
    const int n = set.count();
    if (n <= 0 || !(x >= context.low && x <= context.high)) return;
    const double span = context.high - context.low;
    const int i = span > 0.0 ? static_cast<int>(std::floor((x - context.low) * (n - 1) / span + 0.5)) : 0;
    set.values()[static_cast<std::size_t>(std::clamp(i, 0, n - 1))] = 1.0;
}

}  // namespace

std::span<const InferenceMethodEntry> InferenceMethodTable() { return kMethods; }

std::span<const InferenceMethodEntry* const> InferenceMethodChoices() { return kChoices; }

std::span<const InferenceMethodEntry* const> InferenceMethodChoicesFor(int descriptionType) {
    switch (descriptionType) {
        case 0:
            return std::span<const InferenceMethodEntry* const>(kChoices).first(5);
        case 2:
            return std::span<const InferenceMethodEntry* const>(kChoices).last(1);
        default:
            return {};
    }
}

const InferenceMethodEntry* FindInferenceMethod(std::string_view value) { return FindMethodRow<InferenceMethodEntry>(kMethods, value); }

const InferenceMethodEntry& LogicalDeductionMethod() { return kMethods[1]; }

const InferenceMethodEntry& TakagiSugenoMethod() { return kMethods[7]; }

ConclusionRange InferConclusion(const InferenceMethodEntry& method, const CompiledRuleBase& compiled, Workspace& ws,
                                const double* inputs, CFuzzyDiscreteSet& conclusion) {
    switch (method.kind) {
        case InferenceKind::Crisp:
            return method.crisp(compiled, ws, inputs, conclusion);
        case InferenceKind::FuzzyInput: {
            ws.Fit(compiled);
            StoreInputs(compiled, ws, inputs);
            const CompiledRules& rules = compiled.rules();
            for (int k = 0; k < rules.antecedentCount; ++k) {
                const auto i = static_cast<std::size_t>(k);
                MakeSingleton(ws.singletons[i], rules.contexts[i], inputs[k]);
                ws.singletonInputs[i] = &ws.singletons[i];
            }
            return method.fuzzy(compiled, ws, ws.singletonInputs.data(), conclusion);
        }
        case InferenceKind::TakagiSugeno:
            break;
    }
    throw ERefused(EvaluationRefusal::Of(DescriptionType::linguistic, method).value_or(
        "The Takagi-Sugeno inference gives a number, not an output fuzzy set."));
}

}  // namespace zorv
