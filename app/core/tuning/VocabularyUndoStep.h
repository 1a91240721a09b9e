#pragma once

#include <memory>

namespace zorv {

class CRuleBase;

// A change of a rule base's vocabularies (a tuning: contexts, lingparams, user terms) that Undo takes back in
// one step and Redo makes again. It keeps the rule base as it was before and after; either is put back with the
// rules, name, description and method choices the rule base has by then, so that what was edited since stays.
// A change of the variables themselves makes the step meaningless: its owner then forgets it.
class VocabularyUndoStep {
public:
    VocabularyUndoStep(const CRuleBase& before, const CRuleBase& after);
    ~VocabularyUndoStep();

    bool Undone() const { return undone_; }
    void Undo(CRuleBase& unit);
    void Redo(CRuleBase& unit);

private:
    static void PutBack(const CRuleBase& vocabularies, CRuleBase& unit);

    std::unique_ptr<const CRuleBase> before_;
    std::unique_ptr<const CRuleBase> after_;
    bool undone_ = false;
};

}  // namespace zorv
