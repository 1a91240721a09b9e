#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "inference/compiled/CompiledRules.h"
#include "rulebase/DescriptionType.h"

namespace zorv {

class CRuleBase;
class Workspace;
struct InferenceMethodEntry;
struct DefuzzificationMethodEntry;

// What a rule base's evaluation is asked to do besides its rules: the type, the methods, the perception
// thresholds of Perception-based Logical Deduction, the steps of the smooth defuzzification and which rules
// take part.
struct EvaluationChoices {
    DescriptionType type = DescriptionType::linguistic;
    const InferenceMethodEntry* inference = nullptr;
    const DefuzzificationMethodEntry* defuzzification = nullptr;
    double perceptionUpper = 0.8;
    double perceptionLower = 0.2;
    int steps = 100;
    std::vector<std::uint8_t> enabled;  // per rule
};

// A rule base compiled for evaluation: its rules laid out with their sampled cells (CompiledRules) and the
// evaluation choices. Immutable and self-contained (it shares every datum it reads), so one compiled rule base
// serves any number of threads, each evaluating with its own Workspace, while the document it came from is
// edited or destroyed.
//
// evaluate(x) = defuzzify(infer(x)) for a linguistic rule base, the Takagi-Sugeno inference's number for the
// other types, on the first output variable.
class CompiledRuleBase {
public:
    CompiledRuleBase(std::shared_ptr<const CompiledRules> rules, EvaluationChoices choices);

    // The compiled form of the document as its last Compile() left its cells, with its current choices.
    static std::shared_ptr<const CompiledRuleBase> Of(const CRuleBase& unit,
                                                      std::shared_ptr<const CompiledRules> rules);

    // The crisp value of the first output for one input per antecedent (more are ignored; fewer:
    // std::invalid_argument). Inputs outside a context take the memberships at its nearest end. Throws
    // ERefused when the type and inference method do not go together (refusal()) or the smooth
    // defuzzification would run too many inferences.
    double evaluate(std::span<const double> inputs, Workspace& ws) const;

    // Why this rule base cannot be evaluated; none when it can (EvaluationRefusal).
    const std::optional<std::string>& refusal() const { return refusal_; }

    const CompiledRules& rules() const { return *rules_; }
    const std::shared_ptr<const CompiledRules>& SharedRules() const { return rules_; }
    const EvaluationChoices& choices() const { return choices_; }

    int antecedentCount() const { return rules_->antecedentCount; }
    int ruleCount() const { return rules_->ruleCount; }
    DescriptionType descriptionType() const { return choices_.type; }
    const InferenceMethodEntry& inferenceMethod() const { return *choices_.inference; }
    const DefuzzificationMethodEntry& defuzzificationMethod() const { return *choices_.defuzzification; }
    double perceptionUpper() const { return choices_.perceptionUpper; }
    double perceptionLower() const { return choices_.perceptionLower; }
    int steps() const { return choices_.steps; }
    bool enabled(int rule) const { return choices_.enabled[static_cast<std::size_t>(rule)] != 0; }
    std::uint16_t specificity(int rule) const { return rules_->specificity[static_cast<std::size_t>(rule)]; }
    const std::vector<AntecedentContext>& contexts() const { return rules_->contexts; }
    const std::vector<int>& discretizations() const { return rules_->discretizations; }
    // The first output's grid: its discretization over its context.
    int outputSamples() const { return rules_->samples; }
    double outputLow() const { return rules_->low; }
    double outputHigh() const { return rules_->high; }

    // The compiled cells of rule r, for exporters: the sampled set of antecedent k, the sampled set of the first
    // output (null when it is linear) and its linear coefficients c0, c1, ... (null when it is a set).
    const SampledCell* antecedentCell(int k, int r) const { return rules_->AntecedentCell(k, r); }
    const SampledCell* consequentCell(int r) const { return rules_->consequentCells[static_cast<std::size_t>(r)]; }
    const std::vector<double>* coefficients(int r) const { return rules_->coefficients[static_cast<std::size_t>(r)]; }

    // The rough cost of one evaluate() in units of one sample visited by a rule, for deciding before a long
    // run whether it is affordable.
    double evaluationCost() const;

private:
    std::shared_ptr<const CompiledRules> rules_;
    EvaluationChoices choices_;
    std::optional<std::string> refusal_;
};

}  // namespace zorv
