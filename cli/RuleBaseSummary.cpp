#include "cli/RuleBaseSummary.h"

#include "fuzzy/sets/CFuzzyParamSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

std::string RuleBaseSummary::of(const CRuleBase& unit) {
    std::string text = "type: " + std::string(DescriptionTypeName(unit.descriptionType())) + "\n";
    text += "inference: " + std::string(unit.InferenceMethod().displayName) + "\n";
    text += "defuzzification: " + std::string(unit.DefuzzificationMethod().displayName) + "\n";
    text += std::string("fuzzy transform filter: ") + (unit.UseFuzzyFilter() ? "on" : "off") + "\n";
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        text += "input " + std::to_string(k + 1) + ": " + variable(unit, k);
    }
    for (int k = 0; k < unit.SuccedentCount(); ++k) {
        text += "output " + std::to_string(k + 1) + ": " + variable(unit, -(k + 1));
    }
    return text + rules(unit);
}

std::string RuleBaseSummary::variable(const CRuleBase& unit, int signedIndex) {
    std::string text = unit.VariableName(signedIndex) + "\n";
    text += vocabulary(unit, signedIndex);
    text += "  context: <" + NumberText::shortest(unit.ContextLow(signedIndex)) + ", " +
            NumberText::shortest(unit.ContextHigh(signedIndex)) + ">\n";
    text += "  discretization: " + std::to_string(unit.Discretization(signedIndex)) + "\n";
    if (const auto* linguistic = dynamic_cast<const CLinguisticSettings*>(&unit.Settings(signedIndex))) {
        text += "  lingparams:";
        for (const double p : linguistic->lingParams()) {
            text += ' ';
            text += NumberText::shortest(p);
        }
        text += "\n";
    }
    return text + userTerms(unit, signedIndex);
}

std::string RuleBaseSummary::vocabulary(const CRuleBase& unit, int signedIndex) {
    const std::string kind(unit.Settings(signedIndex).typeName());
    const int owner = unit.AliasOwner(signedIndex);
    if (owner == CRuleBase::kNoVariable) {
        return "  settings: " + kind + "\n";
    }
    return "  settings: alias(" + unit.VariableName(owner) + "), " + kind + "\n";
}

std::string RuleBaseSummary::userTerms(const CRuleBase& unit, int signedIndex) {
    const auto* basic = dynamic_cast<const CBasicSettings*>(&unit.Settings(signedIndex));
    if (basic == nullptr) {
        return {};
    }
    std::string text;
    const auto& terms = basic->terms();
    for (int i = basic->standardTermCount(); i < static_cast<int>(terms.size()); ++i) {
        const auto& term = terms[static_cast<std::size_t>(i)];
        text += "  user term: " + term.shortName;
        if (!term.longName.empty() && term.longName != term.shortName) {
            text += ", " + term.longName;
        }
        if (term.element) {
            text += " = " + std::string(term.element->typeName());
            if (const auto* shape = dynamic_cast<const CFuzzyParamSet*>(term.element.get())) {
                for (const double p : shape->params()) {
                    text += ' ';
            text += NumberText::shortest(p);
                }
            }
        }
        text += "\n";
    }
    return text;
}

std::string RuleBaseSummary::rules(const CRuleBase& unit) {
    int disabled = 0;
    for (int r = 0; r < unit.RuleCount(); ++r) {
        disabled += unit.Enabled(r) ? 0 : 1;
    }
    return "rules: " + std::to_string(unit.RuleCount()) + " (" + std::to_string(disabled) + " disabled)\n";
}

}  // namespace zorv::cli
