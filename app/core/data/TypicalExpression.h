#pragma once

#include <string>

#include "fuzzy/vocabulary/CLingTerm.h"

namespace zorv {

class CSettings;

// The evaluative expression that typically describes a crisp value, as the test window and the data
// table show it: the vocabulary perceives the value with every hedge admitted, and the expression is
// printed in full words ("very small", "more or less big", "zero"), with "-" in front when the
// perceived expression is negative (a value below 0 on a symmetric context).
class TypicalExpression {
public:
    // Empty for a vocabulary that is not linguistic and for a value that is not finite.
    static std::string Of(const CSettings& settings, double value);
    // The words of a perceived expression without its sign; empty for an atom without words.
    static std::string Words(const CLingTerm& term);
};

}  // namespace zorv
