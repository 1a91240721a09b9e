#pragma once

#include <string_view>

#include "fuzzy/sets/CFuzzyDiscreteSet.h"

namespace zorv {

class CBasicSettings;

// Evaluates a cell text into a discrete fuzzy set of n points over the vocabulary's context.
// The spacing is normalised first; the text is then read left to right with the vocabulary's word
// matchers: operands (atomic term with an optional sign and hedge, "about" number, "undef"/"ignor"),
// parentheses (an explicit stack of levels) and connectives. Operands of one level are combined strictly
// from left to right, without precedence: A or B and C is (A or B) and C.
// Standard terms and "about" sets are sampled on the normalised grid, user terms on the context.
// On a symmetric vocabulary a negated operand keeps only the half of its sign (negative: indices below
// n/2, otherwise from n/2 on).
// Errors (ESyntax, with the offset of the offending word in the original text): "atomic term expected",
// "connective expected", "missing right parenthesis", "too much right parentheses",
// "no linguistic connective expected", "bad sign", "fuzzy number out of context",
// "negative term is not allowed in this context".
class CExpressionEvaluator {
public:
    CExpressionEvaluator(const CBasicSettings& vocabulary, int gridSize);

    CFuzzyDiscreteSet evaluate(std::string_view text) const;

private:
    const CBasicSettings& vocabulary_;
    int n_;
};

}  // namespace zorv
