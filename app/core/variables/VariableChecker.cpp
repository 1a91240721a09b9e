#include "app/core/variables/VariableChecker.h"

#include <algorithm>
#include <cmath>

#include "app/core/terms/TermStorableName.h"
#include "app/core/variables/VariableRuleTexts.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "fuzzy/vocabulary/ContextBounds.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

bool NegativeExpressions(const CRuleBase& unit, int signedIndex) {
    if (!unit.IsVariable(signedIndex)) return false;
    const auto texts = VariableRuleTexts::Of(unit, signedIndex);
    return std::any_of(texts.begin(), texts.end(),
                       [](const std::string& text) { return text.find('-') != std::string::npos; });
}

// Both bounds truncated toward zero have the same magnitude.
bool Symmetric(double low, double high) { return std::fabs(std::trunc(low)) == std::fabs(std::trunc(high)); }

}  // namespace

std::optional<std::string> VariableChecker::check(const CRuleBase& unit, int signedIndex) const {
    const VariableFields fields{unit.VariableName(signedIndex), NumberText::field(unit.ContextLow(signedIndex)),
                                NumberText::field(unit.ContextHigh(signedIndex)),
                                std::to_string(unit.Discretization(signedIndex))};
    const auto message = check(unit, EditSubject(unit, signedIndex), fields);
    if (!message) return std::nullopt;
    return message->text;
}

std::optional<PromptMessage> VariableChecker::check(const CRuleBase& unit, const VariableCheckSubject& subject,
                                                        const VariableFields& fields) const {
    if (auto message = CheckName(unit, subject, fields.name)) return message;
    if (auto message = CheckBounds(unit, subject, fields)) return message;
    if (subject.linear) return std::nullopt;
    return CheckGrid(fields);
}

VariableCheckSubject VariableChecker::EditSubject(const CRuleBase& unit, int signedIndex) {
    return VariableCheckSubject{signedIndex >= 0, signedIndex, signedIndex,
                                unit.Settings(signedIndex).isLinear() != 0};
}

std::optional<PromptMessage> VariableChecker::CheckDiscretization(const std::string& text) {
    const auto value = NumberText::parseFieldInteger(text);
    if (!value) return WorkbenchMessages::notAnInteger(text);
    if (*value < kMinDiscretization || *value > kMaxDiscretization) {
        return PromptMessage::plain("Discretization is out of range");
    }
    return std::nullopt;
}

std::optional<PromptMessage> VariableChecker::CheckName(const CRuleBase& unit,
                                                            const VariableCheckSubject& subject,
                                                            const std::string& name) {
    if (subject.input) {
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            if (k != subject.nameSkip && unit.VariableName(k) == name) {
                return PromptMessage::plain("Variable name is already used!");
            }
        }
    }
    if (auto problem = TermStorableName::Problem(name, "variable")) return PromptMessage::plain(*problem);
    return std::nullopt;
}

// A "-" in a linear form is a subtraction, not a negative term, so linear vocabularies are not inspected.
std::optional<PromptMessage> VariableChecker::CheckBounds(const CRuleBase& unit,
                                                              const VariableCheckSubject& subject,
                                                              const VariableFields& fields) {
    const auto low = NumberText::parseField(fields.low);
    const auto high = NumberText::parseField(fields.high);
    if (!low || !high) return PromptMessage::warning("Something is wrong!");
    if (*high <= *low) return PromptMessage::plain("Low bound is greater or equal to high bound!");
    if (ContextBounds::Check(*low, *high) != ContextBounds::Fault::none) {
        return PromptMessage::plain("The context is too wide!");
    }
    if (*low >= 0.0 && !subject.linear && NegativeExpressions(unit, subject.expressionsOf)) {
        return PromptMessage::plain("Rulebase contains negative expressions for not symetrical bounds!");
    }
    return std::nullopt;
}

std::optional<PromptMessage> VariableChecker::CheckGrid(const VariableFields& fields) {
    if (auto message = CheckDiscretization(fields.discretization)) return message;
    const int discretization = *NumberText::parseFieldInteger(fields.discretization);
    const double low = *NumberText::parseField(fields.low);
    const double high = *NumberText::parseField(fields.high);
    if (Symmetric(low, high) && discretization % 2 == 0) {
        return PromptMessage::plain("Discretization for symetrical variable must be odd value!");
    }
    return std::nullopt;
}

}  // namespace zorv
