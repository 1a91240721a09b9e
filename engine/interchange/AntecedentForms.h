#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "interchange/ForeignSystem.h"

namespace zorv {

// Rewrites an antecedent into the forms a rule of this system can hold, where every input has one cell and
// the cells are joined by the minimum.
class AntecedentForms {
public:
    using Conjunction = std::vector<ForeignProposition>;

    // The disjunctive normal form: one conjunction per rule, equivalent to the antecedent when "or" is the
    // maximum, implication is monotone and rule outputs are aggregated by the maximum. None when it would
    // need more than limit conjunctions.
    static std::optional<std::vector<Conjunction>> Disjuncts(const ForeignExpression& antecedent, std::size_t limit);

    // The antecedent as a conjunction of parts that each speak of one input: part k of the result is the
    // sub-expression of input k (none when the input is not mentioned). None when some "or" joins different
    // inputs, so that no single rule holds it.
    static std::optional<std::vector<std::optional<ForeignExpression>>> PerInput(const ForeignExpression& antecedent,
                                                                                 std::size_t inputs);

    enum class Truth { Always, Never, Depends };
    // Folds the constants away: "x is any" always holds, "x is not any" never does. An operand that decides its
    // conjunction or disjunction decides it; one that does not is dropped. e keeps what depends on the inputs.
    static Truth Fold(ForeignExpression& e);

    // Whether some conjunction, resp. disjunction, of the expression joins two or more propositions.
    static bool UsesAnd(const ForeignExpression& e);
    static bool UsesOr(const ForeignExpression& e);
};

}  // namespace zorv
