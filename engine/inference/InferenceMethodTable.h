#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "inference/ConclusionRange.h"
#include "inference/ForeignCounterpart.h"
#include "rulebase/DescriptionType.h"

namespace zorv {

class CompiledRuleBase;
class CFuzzyDiscreteSet;
class Workspace;

// Kind of input an inference method takes and of result it gives.
enum class InferenceKind : std::uint8_t {
    Crisp,         // one double per antecedent -> conclusion set
    FuzzyInput,    // one sampled fuzzy set per antecedent -> conclusion set
    TakagiSugeno,  // one double per antecedent -> number
};

// conclusion: resized (only when its grid differs) to the first succedent's discretization over its context,
// then filled. Returns where its non-zero samples lie. Nothing is allocated once the conclusion has its size.
// The fired flags, their count and the inputs go to the workspace.
using CrispInferenceFn = ConclusionRange (*)(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs,
                                             CFuzzyDiscreteSet& conclusion);
// inputs: one set per antecedent, sampled on that antecedent's discretization over its context.
using FuzzyInferenceFn = ConclusionRange (*)(const CompiledRuleBase& compiled, Workspace& ws,
                                             const CFuzzyDiscreteSet* const* inputs, CFuzzyDiscreteSet& conclusion);
using TakagiSugenoFn = double (*)(const CompiledRuleBase& compiled, Workspace& ws, const double* inputs);

// One row of the inference method table, and everything that describes the method elsewhere: the names that
// files, lists and commands use, the kernel, the generated C's code for it and its foreign counterpart.
// Exactly the kernel pointer matching `kind` is set.
struct InferenceMethodEntry {
    std::string_view fileKey;      // written to rule base files
    std::string_view shortName;    // accepted by the reader as well
    std::string_view displayName;  // shown in selection lists
    std::string_view help;         // one line: what the method concludes
    InferenceKind kind;
    CrispInferenceFn crisp = nullptr;
    FuzzyInferenceFn fuzzy = nullptr;
    TakagiSugenoFn takagiSugeno = nullptr;
    // The generated C runtime's ZV_METHOD and ZV_TNORM for the method (0: it has no C form).
    int cMethod = 0;
    int cTnorm = 0;
    ForeignCounterpart foreign = {};  // the implication other tools name for it

    // Whether it evaluates a rule base of that type: Takagi-Sugeno the singleton and takagi_sugeno ones, every
    // other method the linguistic ones.
    constexpr bool appliesTo(DescriptionType type) const {
        return (type == DescriptionType::linguistic) != (kind == InferenceKind::TakagiSugeno);
    }
    // The same in words, for help texts and the manual.
    std::string_view appliesText() const;
};

// The 8 rows, in file-table order.
std::span<const InferenceMethodEntry> InferenceMethodTable();
// The 6 rows offered in selection lists: PbLD, CNF, DNF min, DNF product, DNF Lukasiewicz, Takagi-Sugeno.
std::span<const InferenceMethodEntry* const> InferenceMethodChoices();
// The choices for a unit of the given description type (linguistic 0: the first five; singleton 2: Takagi-Sugeno
// only; takagi_sugeno 1 and anything else: none).
std::span<const InferenceMethodEntry* const> InferenceMethodChoicesFor(int descriptionType);
// The row one of whose names (file key, short name or display name) equals name exactly, case included; null
// when none does. The one lookup of the library, the command line and the bindings (the .rb reader alone
// takes a prefix, as stored files need).
const InferenceMethodEntry* FindInferenceMethod(std::string_view name);
// Default rows of a new unit: Perception-based Logical Deduction (linguistic) and Takagi-Sugeno (the others).
const InferenceMethodEntry& LogicalDeductionMethod();
const InferenceMethodEntry& TakagiSugenoMethod();

// Runs any conclusion-producing row on crisp inputs. A fuzzy-input row receives each crisp input as a singleton
// (1 at the antecedent's grid point nearest to the input, 0 elsewhere). Throws ERefused for the Takagi-Sugeno row,
// which gives a number and no conclusion.
ConclusionRange InferConclusion(const InferenceMethodEntry& method, const CompiledRuleBase& compiled, Workspace& ws,
                                const double* inputs, CFuzzyDiscreteSet& conclusion);

}  // namespace zorv
