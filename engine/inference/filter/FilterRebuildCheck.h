#pragma once

#include <optional>
#include <string>

namespace zorv {

class CRuleBase;
class FilterSampleGrid;

// Decides whether the F-transform filter of a rule base may be rebuilt, before anything is evaluated.
// A rebuild runs one evaluation per sample point (201^n for n inputs); with the smooth defuzzification
// every evaluation is itself a grid of about (0.8 steps / 0.999 + 1)^n inferences. A rebuild of more than
// kMaxInferences inferences in all is refused, as is one that cannot be fitted (no input or no output
// variable, an input context that is not a proper interval).
class FilterRebuildCheck {
public:
    static constexpr double kMaxInferences = 50'000'000;

    // Why the rebuild is refused (a message for the user), or none.
    static std::optional<std::string> refusal(const CRuleBase& unit, const FilterSampleGrid& grid);
    // The inferences a rebuild over the grid costs.
    static double inferences(const CRuleBase& unit, const FilterSampleGrid& grid);
    // The inferences one evaluation of the unit costs.
    static double inferencesPerEvaluation(const CRuleBase& unit);

private:
    static std::optional<std::string> contextFault(const CRuleBase& unit);
};

}  // namespace zorv
