#include "TestUnits.h"

#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"
#include "rulebase/CFuzzyVariable.h"

namespace zorv::testing {

namespace {

std::shared_ptr<CSettings> SettingsOf(const VariableLayout& layout) {
    switch (layout.vocabulary) {
        case Vocabulary::Linguistic:
            return std::make_shared<CLinguisticSettings>(layout.low, layout.high);
        case Vocabulary::Triang:
            return std::make_shared<CTriangSettings>(layout.low, layout.high);
        case Vocabulary::Linear:
            break;
    }
    return std::make_shared<CLinCSettings>(layout.low, layout.high);
}

CFuzzyVariable VariableOf(const std::string& name, const VariableLayout& layout) {
    return CFuzzyVariable(name, SettingsOf(layout), layout.discretization);
}

}  // namespace

std::unique_ptr<CRuleBase> MakeUnit(DescriptionType type, const std::vector<VariableLayout>& antecedents,
                                    const VariableLayout& succedent, const std::vector<RuleRow>& rules) {
    auto unit = std::make_unique<CRuleBase>(type);
    for (std::size_t k = 0; k < antecedents.size(); ++k)
        unit->AddAntecedent(VariableOf(std::string("x").append(std::to_string(k + 1)), antecedents[k]), CRuleBase::kNoVariable);
    unit->AddSuccedent(VariableOf("y", succedent), CRuleBase::kNoVariable);
    unit->SetRules(rules);
    return unit;
}

std::unique_ptr<CRuleBase> MakeSimpleUnit(const std::vector<RuleRow>& rules, int discretization) {
    return MakeUnit(DescriptionType::linguistic, {{0.0, 1.0, discretization}}, {0.0, 1.0, discretization}, rules);
}

RuleRow Rule(std::vector<std::string> texts, bool enabled) { return RuleRow{enabled, std::move(texts)}; }

}  // namespace zorv::testing
