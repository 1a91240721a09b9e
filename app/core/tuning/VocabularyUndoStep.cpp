#include "app/core/tuning/VocabularyUndoStep.h"

#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

VocabularyUndoStep::VocabularyUndoStep(const CRuleBase& before, const CRuleBase& after)
    : before_(std::make_unique<const CRuleBase>(before)), after_(std::make_unique<const CRuleBase>(after)) {}

VocabularyUndoStep::~VocabularyUndoStep() = default;

void VocabularyUndoStep::Undo(CRuleBase& unit) {
    if (undone_) return;
    undone_ = true;
    PutBack(*before_, unit);
}

void VocabularyUndoStep::Redo(CRuleBase& unit) {
    if (!undone_) return;
    undone_ = false;
    PutBack(*after_, unit);
}

// The rules fit either rule base: a tuning changes no variable's name or kind, nor any rule. A rule edited
// since may write a number outside the context put back: the vocabularies are put back all the same and the
// compile error is passed on (ESyntax), as after any rule edit.
void VocabularyUndoStep::PutBack(const CRuleBase& vocabularies, CRuleBase& unit) {
    CRuleBase restored(vocabularies);
    restored.SetName(unit.Name());
    restored.SetDescription(unit.Description());
    restored.SetInferenceMethod(unit.InferenceMethod());
    restored.SetDefuzzificationMethod(unit.DefuzzificationMethod());
    restored.SetPerceptionUpper(unit.PerceptionUpper());
    restored.SetPerceptionLower(unit.PerceptionLower());
    restored.SetSteps(unit.Steps());
    restored.SetUseFuzzyFilter(unit.UseFuzzyFilter());
    try {
        restored.SetRules(unit.Rules());
    } catch (const ESyntax&) {
        unit = std::move(restored);
        throw;
    }
    unit = std::move(restored);
}

}  // namespace zorv
