#pragma once

#include <optional>
#include <string>

namespace zorv {

class CompiledRuleBase;
class FilterSampleGrid;

// Decides whether the F-transform filter of a compiled rule base may be built, before anything is
// evaluated. A build runs one evaluation per sample point (201^n for n inputs); its cost is bounded twice:
// by the number of inferences (with the smooth defuzzification every evaluation is itself a grid of about
// (0.8 steps / 0.999 + 1)^n inferences) and by the estimated work, evaluations times the cost of one
// (CompiledRuleBase::evaluationCost), which grows with the rules and the output's discretization. A build
// beyond either bound is refused, as is one that cannot be fitted (no input or no output variable, an input
// context that is not a proper interval) or whose evaluation the compiled form refuses.
class FilterRebuildCheck {
public:
    static constexpr double kMaxInferences = 50'000'000;
    // In units of CompiledRuleBase::evaluationCost: some tens of seconds of one core (a sample step of a
    // rule costs about a tenth of a nanosecond on the benchmark rule bases).
    static constexpr double kMaxWork = 1.5e11;

    // Why the build is refused (a message for the user), or none.
    static std::optional<std::string> refusal(const CompiledRuleBase& compiled, const FilterSampleGrid& grid);
    // The inferences a build over the grid costs.
    static double inferences(const CompiledRuleBase& compiled, const FilterSampleGrid& grid);
    // The inferences one evaluation of the compiled form costs.
    static double inferencesPerEvaluation(const CompiledRuleBase& compiled);

private:
    static std::optional<std::string> contextFault(const CompiledRuleBase& compiled);
    static std::optional<std::string> costFault(const CompiledRuleBase& compiled, const FilterSampleGrid& grid);
};

}  // namespace zorv
