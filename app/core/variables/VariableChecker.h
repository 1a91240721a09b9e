#pragma once

#include <optional>
#include <string>

#include "app/core/workbench/Prompter.h"
#include "app/core/variables/VariableFields.h"

namespace zorv {

class CRuleBase;

// What the OK checks of the variable dialog look at besides the fields.
struct VariableCheckSubject {
    bool input = true;           // input variables must have distinct names
    int nameSkip;                // the variable left out of the name comparison (the edited one), or none
    int expressionsOf;           // whose rule expressions are inspected (the edited or the copied variable)
    bool linear = false;         // a linear vocabulary has no discretization
};

// The OK checks of the variable dialog, in their order: a name used by another input variable, a name the
// rulebase file cannot hold, bounds that are not numbers, bounds not ascending, negative expressions over
// a context without negative values, and (vocabularies that are not linear) a discretization outside
// 20 .. 1000 or even over a symmetric context.
class VariableChecker {
public:
    static constexpr int kMinDiscretization = 20;
    static constexpr int kMaxDiscretization = 1000;

    // The checks of the dialog's OK for a variable as it is stored (used when a rule base opens): the
    // message of the first failing check, none when all pass.
    std::optional<std::string> check(const CRuleBase& unit, int signedIndex) const;
    // The checks for typed fields.
    std::optional<PromptMessage> check(const CRuleBase& unit, const VariableCheckSubject& subject,
                                           const VariableFields& fields) const;

    // The subject of the edit mode for variable signedIndex.
    static VariableCheckSubject EditSubject(const CRuleBase& unit, int signedIndex);

    // The check of the discretization field alone (out of range, or not an integer).
    static std::optional<PromptMessage> CheckDiscretization(const std::string& text);

private:
    static std::optional<PromptMessage> CheckName(const CRuleBase& unit, const VariableCheckSubject& subject,
                                                      const std::string& name);
    static std::optional<PromptMessage> CheckBounds(const CRuleBase& unit, const VariableCheckSubject& subject,
                                                        const VariableFields& fields);
    static std::optional<PromptMessage> CheckGrid(const VariableFields& fields);
};

}  // namespace zorv
