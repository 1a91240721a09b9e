#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/core/workbench/Prompter.h"
#include "app/core/variables/VariableChecker.h"
#include "app/core/variables/VariableFields.h"
#include "app/core/variables/VariableRecompute.h"

namespace zorv {

class CRuleBase;
class CFuzzyVariable;

// What "Edit expressions..." did with the typed bounds.
struct VariableBoundsOutcome {
    bool applied = false;
    std::optional<PromptMessage> message;  // why bounds that are numbers were not applied
};

// The variable dialog without its widgets. Edit mode works on one variable; add mode builds a new variable
// from a chosen one of the same kind (its bounds, discretization, user terms and rule expressions).
// The bounds the dialog opened with are remembered so that Cancel can restore them after "Edit
// expressions..." has applied others.
class VariableForm {
public:
    // Edit mode for variable signedIndex.
    VariableForm(CRuleBase& unit, int signedIndex);
    // Add mode for a new input (output) variable, copying from the variable of that kind at copyFrom
    // (the first one when copyFrom is out of range).
    static VariableForm ForAdd(CRuleBase& unit, bool input, int copyFrom);

    CRuleBase& unit() const { return unit_; }
    bool addMode() const { return addMode_; }
    bool input() const { return input_; }
    // Linear vocabularies (Takagi-Sugeno outputs) have no discretization and no user terms.
    bool linear() const;
    std::string caption() const { return addMode_ ? "Add variable" : "Edit variable"; }
    // The edited variable, or the one copied from in add mode (none when there is nothing to copy).
    int variableIndex() const { return index_; }

    VariableFields initialFields() const;
    // Add mode: the names of the variables that can be copied, and the position of the chosen one.
    std::vector<std::string> copyChoices() const;
    int copyChoice() const;
    // Chooses the variable to copy from; the fields it suggests ("Copy_" + its name, its bounds and grid).
    VariableFields chooseCopySource(int position);

    // The OK checks; the message of the first one that fails.
    std::optional<PromptMessage> check(const VariableFields& fields) const;
    // Edit mode: the recompute question for bounds that pass the checks, when one applies.
    std::optional<VariableRecomputeQuestion> recomputeQuestion(const VariableFields& fields) const;
    // Applies checked fields: edit mode renames the variable, rewrites the rule numbers as answered,
    // sets the bounds and the discretization; add mode appends the new variable. The answer is read only
    // when recomputeQuestion() asks one.
    void accept(const VariableFields& fields, PromptAnswer answer = PromptAnswer::no);
    // "Edit expressions...": applies the typed bounds to the variable and its user terms at once.
    VariableBoundsOutcome applyBounds(const VariableFields& fields);
    // The user terms were edited (their editor was confirmed).
    void noteTermsEdited() { changed_ = true; }
    // Cancel: restores the bounds the dialog opened with.
    void cancel();
    // Whether the rule base was changed (by OK, or by the term editor before a Cancel).
    bool changed() const { return changed_; }

    // Checks when a field is left.
    static std::optional<PromptMessage> boundExit(const std::string& text);
    static std::optional<PromptMessage> discretizationExit(const std::string& text);

private:
    VariableForm(CRuleBase& unit, int index, bool addMode, bool input);

    VariableCheckSubject subject() const;
    bool hasSource() const;
    void acceptEdit(const VariableFields& fields, PromptAnswer answer);
    void acceptAdd(const VariableFields& fields);
    CFuzzyVariable newVariable(const VariableFields& fields) const;
    void applyContext(double low, double high);

    CRuleBase& unit_;
    int index_;
    bool addMode_;
    bool input_;
    double initialLow_ = 0.0;
    double initialHigh_ = 1.0;
    bool changed_ = false;
};

}  // namespace zorv
