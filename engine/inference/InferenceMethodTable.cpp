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

// The implications of the DNF rows as other tools' files name them.
constexpr ForeignCounterpart kMinimum{"Minimum", true};
constexpr ForeignCounterpart kProduct{"AlgebraicProduct", true};
constexpr ForeignCounterpart kBoundedDifference{"BoundedDifference", true};

constexpr std::array<InferenceMethodEntry, 8> kMethods{{
    {.fileKey = "Fuzzy_Approximation-logical",
     .shortName = "LLogInfCrisp",
     .displayName = "Fuzzy Approximation (CNF)",
     .help = "each firing rule an implication; concludes what all of them allow",
     .kind = InferenceKind::Crisp,
     .crisp = &InferCnf,
     .cMethod = 1},
    {.fileKey = "Logical_Deduction",
     .shortName = "LLogInfPreCrisp",
     .displayName = "Perception-based Logical Deduction",
     .help = "deduces from the rules that describe the inputs best (the default)",
     .kind = InferenceKind::Crisp,
     .crisp = &InferLogicalDeduction,
     .cMethod = 2},
    {.fileKey = "LLogInfFuz",
     .shortName = "LLogInfFuz",
     .displayName = "LLogInfFuz",
     .help = "CNF on fuzzy inputs; a crisp input is 1 at its nearest grid point",
     .kind = InferenceKind::FuzzyInput,
     .fuzzy = &InferLogicalFuzzyInput,
     .cMethod = 4},
    {.fileKey = "Fuzzy_Approximation-functional",
     .shortName = "LZadInfCrispMin",
     .displayName = "Fuzzy Approximation (DNF) with Minimum",
     .help = "the union of the firing rules' conclusions, each cut off at its degree",
     .kind = InferenceKind::Crisp,
     .crisp = &InferDnfMin,
     .cMethod = 3,
     .cTnorm = 1,
     .foreign = kMinimum},
    {.fileKey = "Fuzzy_Approximation-func_prod",
     .shortName = "LZadInfCrispProd",
     .displayName = "Fuzzy Approximation (DNF) with Product",
     .help = "the union of the firing rules' conclusions, each scaled by its degree",
     .kind = InferenceKind::Crisp,
     .crisp = &InferDnfProduct,
     .cMethod = 3,
     .cTnorm = 2,
     .foreign = kProduct},
    {.fileKey = "Fuzzy_Approximation-func_luk",
     .shortName = "LZadInfCrispLuk",
     .displayName = "Fuzzy Approximation (DNF) with Lukasiewicz",
     .help = "the union of the firing rules' conclusions, each lowered by 1 - its degree",
     .kind = InferenceKind::Crisp,
     .crisp = &InferDnfLukasiewicz,
     .cMethod = 3,
     .cTnorm = 3,
     .foreign = kBoundedDifference},
    {.fileKey = "LZadInfFuz",
     .shortName = "LZadInfFuz",
     .displayName = "LZadInfFuz",
     .help = "DNF with minimum on fuzzy inputs; a crisp input is 1 at its nearest point",
     .kind = InferenceKind::FuzzyInput,
     .fuzzy = &InferFunctionalFuzzyInput,
     .cMethod = 5},
    {.fileKey = "Takagi-Sugeno Inference",
     .shortName = "LLinCInfCrisp",
     .displayName = "Takagi-Sugeno Inference",
     .help = "the average of the rules' values, weighted by the rules' degrees",
     .kind = InferenceKind::TakagiSugeno,
     .takagiSugeno = &InferTakagiSugeno,
     .cMethod = 6},
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

std::string_view InferenceMethodEntry::appliesText() const {
    switch (kind) {
        case InferenceKind::Crisp:
            return "linguistic rule bases";
        case InferenceKind::FuzzyInput:
            return "linguistic rule bases, named in a file (no list offers it)";
        case InferenceKind::TakagiSugeno:
            break;
    }
    return "singleton and takagi_sugeno rule bases";
}

const InferenceMethodEntry* FindInferenceMethod(std::string_view name) {
    return FindMethodNamed<InferenceMethodEntry>(kMethods, name);
}

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
