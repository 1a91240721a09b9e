#pragma once

#include <string_view>

namespace zorv {

// The operator that other fuzzy tools' files name for a method here: the implication of an inference method,
// the defuzzifier of a defuzzification method. Exact when both compute the same, so that it is exported and
// imported as such; otherwise the method only stands in for it when an import may approximate.
struct ForeignCounterpart {
    std::string_view name;  // empty: none
    bool exact = false;
};

}  // namespace zorv
