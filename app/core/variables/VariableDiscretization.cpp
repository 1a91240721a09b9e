#include "app/core/variables/VariableDiscretization.h"

#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// Runs one rule base step; a compilation failure leaves the step done and the message with the cells.
template <class Step>
void Tolerant(Step step) {
    try {
        step();
    } catch (const ESyntax&) {
    }
}

}  // namespace

void VariableDiscretization::Set(CRuleBase& unit, int signedIndex, int discretization) {
    if (unit.Discretization(signedIndex) == discretization) return;
    const bool input = signedIndex >= 0;
    const int first = input ? signedIndex : ~signedIndex;
    const int count = input ? unit.AntecedentCount() : unit.SuccedentCount();
    const auto indexOf = [input](int k) { return input ? k : ~k; };
    for (int k = first; k < count; ++k) {
        const CFuzzyVariable& original = unit.Variable(indexOf(k));
        CFuzzyVariable copy(original.Name(), original.SharedSettings(),
                            k == first ? discretization : original.Discretization());
        Tolerant([&] {
            if (input) {
                unit.AddAntecedent(std::move(copy), indexOf(k));
            } else {
                unit.AddSuccedent(std::move(copy), indexOf(k));
            }
        });
    }
    for (int k = first; k < count; ++k) Tolerant([&] { unit.DeleteVariable(indexOf(first)); });
}

}  // namespace zorv
