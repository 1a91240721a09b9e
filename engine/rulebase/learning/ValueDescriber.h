#pragma once

#include <optional>
#include <string>

#include "rulebase/learning/LearningMode.h"

namespace zorv {

class CSettings;

// Describes a crisp value of a variable with an expression of the variable's vocabulary, as learning writes
// it into a rule: a user term by its short name, any other expression in its abbreviated form ("ve sm",
// "-ro bi", "ze").
// - approx: the user term of greatest membership at the value (the first on a tie); none when the
//   vocabulary has no user terms;
// - pentatomy: the evaluative expression, user terms among the candidates and every hedge admitted, that
//   best describes the value (signed on a symmetric context); none for a vocabulary that is not linguistic.
class ValueDescriber {
public:
    explicit ValueDescriber(LearningMode mode) : mode_(mode) {}

    std::optional<std::string> describe(const CSettings& vocabulary, double x) const;

    // The pentatomy description with the hedges a perception mode admits (CLinguisticSettings::perceive);
    // learning admits every hedge (mode 2).
    static std::optional<std::string> perceived(const CSettings& vocabulary, double x, int mode = 2);

private:
    static std::optional<std::string> bestUserTerm(const CSettings& vocabulary, double x);

    LearningMode mode_;
};

}  // namespace zorv
