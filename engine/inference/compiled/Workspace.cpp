#include "inference/compiled/Workspace.h"

#include "inference/compiled/CompiledRuleBase.h"

namespace zorv {

Workspace::Workspace(const CompiledRuleBase& compiled) { Fit(compiled); }

void Workspace::Fit(const CompiledRuleBase& compiled) { Fit(compiled.SharedRules()); }

void Workspace::Resize(const std::shared_ptr<const CompiledRules>& rules) {
    rules_ = rules;
    const CompiledRules& c = *rules;
    const auto ruleCount = static_cast<std::size_t>(c.ruleCount);
    const auto antecedents = static_cast<std::size_t>(c.antecedentCount);
    inputs.resize(antecedents);
    fired.resize(ruleCount);
    conclusion = CFuzzyDiscreteSet(c.samples, c.low, c.high);
    slotDegree.assign(c.degreeSlots.size(), 0.0);
    ruleDegree.assign(ruleCount, 0.0);
    active.clear();
    active.reserve(ruleCount);
    candidates.clear();
    candidates.reserve(ruleCount);
    selected.clear();
    selected.reserve(ruleCount);
    open.assign(static_cast<std::size_t>(c.samples), 0.0);
    combined.assign(static_cast<std::size_t>(c.samples), 0.0);
    combination.assign(antecedents, 0);
    singletons.clear();
    for (std::size_t k = 0; k < antecedents; ++k)
        singletons.emplace_back(c.discretizations[k], c.contexts[k].low, c.contexts[k].high);
    singletonInputs.clear();
    for (const CFuzzyDiscreteSet& set : singletons) singletonInputs.push_back(&set);
    smooth = SmoothScratch{};
    smooth.conclusion = CFuzzyDiscreteSet(c.samples, c.low, c.high);
    smooth.centre.assign(antecedents, 0.0);
    smooth.point.assign(antecedents, 0.0);
    smooth.weight.assign(antecedents, 0.0);
    smooth.index.assign(antecedents, 0);
    smooth.savedFired.assign(ruleCount, 0);
}

}  // namespace zorv
