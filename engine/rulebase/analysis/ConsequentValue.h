#pragma once

#include <optional>
#include <string>

#include "rulebase/analysis/AnalysisCell.h"

namespace zorv {

class CRuleBase;

// The crisp value a consequent stands for, in the units of its variable; Merge Inconsistent averages these.
// - a standard evaluative expression of a linguistic vocabulary (small, medium, big or zero with a hedge
//   that has a set): its typical value, negated for a negative sign, mapped from the normalised universe
//   to the context (high u on a symmetric context, low + (high - low) u otherwise);
// - "about x": x; a bare number of a linear vocabulary: the number;
// - any other fuzzy expression (user term, negation, compound): the midpoint of the samples of its compiled
//   set that reach the level 0.8 (or the set's height when lower);
// - "undef", "ignor", linear forms and texts that do not parse: none.
class ConsequentValue {
public:
    static std::optional<double> of(const CRuleBase& unit, int variable, int rule, const AnalysisCell& cell);

    // value printed with six decimals, kept inside <low, high> (rounding must not push it out of the context).
    static std::string printWithin(double value, double low, double high);

private:
    static std::optional<double> standardTerm(const CRuleBase& unit, int variable, const CLingTerm& term);
    static std::optional<double> compiledSet(const CRuleBase& unit, int variable, int rule);
};

}  // namespace zorv
