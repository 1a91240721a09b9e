#include "cli/InputChoice.h"

#include <algorithm>

#include "cli/CliError.h"
#include "cli/InputNumber.h"
#include "cli/NumberText.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

int InputChoice::variable(const CRuleBase& unit, const std::string& text) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        if (unit.VariableName(k) == text) return k;
    }
    const auto position = parseInteger(text);
    if (position && *position >= 1 && *position <= unit.AntecedentCount()) return static_cast<int>(*position - 1);
    throw CliError::usage("the rule base has no input variable '" + text + "' (give a name or a position from 1 to " +
                          std::to_string(unit.AntecedentCount()) + ")");
}

std::vector<double> InputChoice::values(const CRuleBase& unit, const std::vector<std::string>& texts,
                                        std::ostream& err) {
    const auto count = static_cast<std::size_t>(unit.AntecedentCount());
    std::vector<double> values;
    if (texts.empty()) {
        for (int k = 0; k < unit.AntecedentCount(); ++k) values.push_back((unit.ContextLow(k) + unit.ContextHigh(k)) / 2);
        return values;
    }
    if (texts.size() != count) {
        throw CliError::usage("--at needs one value per input variable: " + std::to_string(count) + " expected, " +
                              std::to_string(texts.size()) + " given");
    }
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        const std::string& text = texts[static_cast<std::size_t>(k)];
        const auto value = parseInputNumber(text);
        if (!value) throw CliError::usage(unit.VariableName(k) + ": '" + text + "' is not a finite number");
        values.push_back(std::clamp(*value, unit.ContextLow(k), unit.ContextHigh(k)));
        if (values.back() != *value) {
            err << "note: " << unit.VariableName(k) << " " << shortestText(*value) << " lies outside its context; "
                << shortestText(values.back()) << " is used\n";
        }
    }
    return values;
}

}  // namespace zorv::cli
