#include "cli/InputChoice.h"

#include <algorithm>

#include "cli/CliError.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

std::string rangeText(const CRuleBase& unit, int k, InputChoice::Range range) {
    if (range == InputChoice::Range::words) return "its context";
    std::string text(1, '<');
    text.append(NumberText::shortest(unit.ContextLow(k))).append(", ");
    text.append(NumberText::shortest(unit.ContextHigh(k))).push_back('>');
    return text;
}

}  // namespace

int InputChoice::variable(const CRuleBase& unit, const std::string& text) {
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        if (unit.VariableName(k) == text) return k;
    }
    const auto position = NumberText::parseInteger(text);
    if (position && *position >= 1 && *position <= unit.AntecedentCount()) return static_cast<int>(*position - 1);
    throw CliError::usage("the rule base has no input variable '" + text + "' (give a name or a position from 1 to " +
                          std::to_string(unit.AntecedentCount()) + ")");
}

std::vector<double> InputChoice::read(const CRuleBase& unit, const std::vector<std::string>& texts, Range range,
                                      std::ostream& err) {
    std::vector<double> values;
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        const std::string& text = texts.at(static_cast<std::size_t>(k));
        const auto value = NumberText::parseDecimal(text);
        if (!value) throw CliError::usage(unit.VariableName(k) + ": '" + text + "' is not a finite number");
        values.push_back(std::clamp(*value, unit.ContextLow(k), unit.ContextHigh(k)));
        if (values.back() != *value) {
            err << "note: " << unit.VariableName(k) << " " << NumberText::shortest(*value) << " lies outside "
                << rangeText(unit, k, range) << "; " << NumberText::shortest(values.back()) << " is used\n";
        }
    }
    return values;
}

std::vector<double> InputChoice::values(const CRuleBase& unit, const std::vector<std::string>& texts,
                                        std::ostream& err) {
    const auto count = static_cast<std::size_t>(unit.AntecedentCount());
    if (texts.empty()) {
        std::vector<double> middles;
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            middles.push_back((unit.ContextLow(k) + unit.ContextHigh(k)) / 2);
        }
        return middles;
    }
    if (texts.size() != count) {
        throw CliError::usage("--at needs one value per input variable: " + std::to_string(count) + " expected, " +
                              std::to_string(texts.size()) + " given");
    }
    return read(unit, texts, Range::words, err);
}

}  // namespace zorv::cli
