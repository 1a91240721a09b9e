#pragma once

#include <string>

#include "interchange/ForeignSystem.h"

namespace zorv {

// Writes a rule as FLL and FCL read it: "if A is T and B is not U then O is V"; compound operands are
// parenthesised; a rule without antecedent reads "if FIRST_INPUT is any".
class RuleTextWriter {
public:
    static std::string Format(const ForeignSystem& system, const ForeignRule& rule);
    // Numbers separated by separator, each in the shortest form that reads back to the same double.
    static std::string Numbers(const std::vector<double>& values, const std::string& separator);
};

}  // namespace zorv
