#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <stop_token>
#include <vector>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"
#include "inference/compiled/CompiledRules.h"
#include "inference/methods/RuleSelection.h"
#include "inference/smooth/SmoothScratch.h"

namespace zorv {

class CompiledRuleBase;

// Every buffer one evaluation of a compiled rule base needs, so that an evaluation allocates nothing: one
// workspace per thread, any number of threads per compiled rule base. After an evaluation it holds what that
// evaluation left: the inputs, the fired flags of the rules and their count, and (for a linguistic rule base)
// the conclusion, the output fuzzy set on the first output's grid. These are by-products of the evaluation,
// kept at no extra cost.
//
// A workspace fits the compiled rules it was sized for; handed to a compiled rule base with other rules it
// sizes itself anew, keeping the inputs, fired flags and count as far as they still apply.
class Workspace {
public:
    Workspace() = default;
    explicit Workspace(const CompiledRuleBase& compiled);
    Workspace(const Workspace&) = default;
    Workspace(Workspace&&) noexcept = default;
    Workspace& operator=(const Workspace&) = default;
    Workspace& operator=(Workspace&&) noexcept = default;

    // Sizes the buffers for the rules (nothing to do when they are the ones it fits).
    void Fit(const std::shared_ptr<const CompiledRules>& rules) {
        if (rules != rules_) Resize(rules);
    }
    void Fit(const CompiledRuleBase& compiled);

    // The inputs of the last crisp evaluation, one per antecedent.
    std::span<const double> Inputs() const { return inputs; }
    // Per rule: 1 when the rule fired in the last crisp inference.
    std::span<const std::uint8_t> Fired() const { return fired; }
    // The number of rules that fired in the last crisp inference; -1 before the first.
    int FiredCount() const { return firedCount; }
    // The output fuzzy set of the last evaluation of a linguistic rule base.
    const CFuzzyDiscreteSet& Conclusion() const { return conclusion; }

    // ---- what an evaluation leaves
    std::vector<double> inputs;
    std::vector<std::uint8_t> fired;
    int firedCount = -1;
    CFuzzyDiscreteSet conclusion;

    // ---- crisp inference
    std::vector<double> slotDegree;   // per slot
    std::vector<double> ruleDegree;   // per rule (enabled rules only are written)
    std::vector<int> active;          // enabled rules of non-zero degree, in rule order
    std::vector<SelectionCandidate> candidates;  // Perception-based Logical Deduction: the active rules
    std::vector<int> selected;                   // and those it keeps
    std::vector<double> open;                    // per sample: 1 while the deduction still folds rules there

    // ---- fuzzy-input methods
    std::vector<double> combined;                  // R[j] of one input combination
    std::vector<int> combination;                  // the multi-index being visited
    std::vector<CFuzzyDiscreteSet> singletons;     // crisp inputs as sets, per antecedent
    std::vector<const CFuzzyDiscreteSet*> singletonInputs;

    // ---- smooth defuzzification
    SmoothScratch smooth;

    // ---- asked between the inferences of the smooth defuzzification, which may run for seconds: once a
    // stop is requested the evaluation ends with EStopped
    std::stop_token stop;

private:
    void Resize(const std::shared_ptr<const CompiledRules>& rules);

    std::shared_ptr<const CompiledRules> rules_;  // the rules the buffers are sized for
};

}  // namespace zorv
