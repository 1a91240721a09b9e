#include "rulebase/learning/RuleTextCheck.h"

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

RuleTextCheck::RuleTextCheck(const CRuleBase& unit)
    : unit_(unit), seen_(static_cast<std::size_t>(unit.AntecedentCount() + unit.SuccedentCount())) {}

int RuleTextCheck::variableOf(std::size_t column) const {
    const auto inputs = static_cast<std::size_t>(unit_.AntecedentCount());
    return column < inputs ? static_cast<int>(column) : ~static_cast<int>(column - inputs);
}

std::optional<std::string> RuleTextCheck::fault(const std::vector<std::string>& texts) {
    if (texts.size() != seen_.size()) {
        return "a rule needs " + std::to_string(seen_.size()) + " expressions, not " + std::to_string(texts.size());
    }
    for (std::size_t column = 0; column < texts.size(); ++column) {
        if (auto problem = cellFault(column, texts[column])) {
            return unit_.VariableName(variableOf(column)) + ": " + *problem;
        }
    }
    return std::nullopt;
}

std::optional<std::string> RuleTextCheck::cellFault(std::size_t column, const std::string& text) {
    auto& seen = seen_[column];
    const auto known = seen.find(text);
    if (known != seen.end()) return known->second;
    std::optional<std::string> problem = compileFault(variableOf(column), text);
    seen.emplace(text, problem);
    return problem;
}

std::optional<std::string> RuleTextCheck::compileFault(int variable, const std::string& text) const {
    const CSettings& settings = unit_.Settings(variable);
    try {
        if (const auto* linear = dynamic_cast<const CLinCSettings*>(&settings); linear != nullptr && variable < 0) {
            linear->parseLinear(text, unit_.AntecedentCount());
        } else if (const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&settings)) {
            vocabulary->evaluate(text, unit_.Discretization(variable));
        } else {
            return "\"" + text + "\" cannot be compiled in this vocabulary";
        }
    } catch (const ESyntax& error) {
        return "\"" + text + "\": " + error.message();
    }
    return std::nullopt;
}

}  // namespace zorv
