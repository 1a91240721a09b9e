#pragma once

#include <optional>
#include <string>

#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {

// One rule cell as the rule analysis sees it: the text as written and its descriptor in the vocabulary of
// the cell's variable (absent when the text does not parse there).
// Two cells compare by the inclusion order of their descriptors when both are small, medium or big, and by
// exact text for every other atom (zero, user terms, numbers, compound expressions, undef, ignor, linear forms).
struct AnalysisCell {
    static constexpr int kEqual = 0;
    static constexpr int kFirstNarrower = 1;
    static constexpr int kSecondNarrower = 2;
    static constexpr int kIncomparable = 100;
    static constexpr int kUnparsed = -1;

    std::string text;
    std::optional<CLingTerm> term;

    bool parsed() const { return term.has_value(); }
    // small, medium or big: the atoms whose hedges order their sets by inclusion.
    bool graded() const;
    // A graded cell with the negation hedge ("no small"): its set is not a hedged form of the atom.
    bool negated() const;

    // kEqual, kFirstNarrower, kSecondNarrower, kIncomparable, or kUnparsed when either text does not parse.
    static int compare(const AnalysisCell& a, const AnalysisCell& b);
};

}  // namespace zorv
