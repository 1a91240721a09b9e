#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "fuzzy/sets/CFuzzyParamSet.h"

namespace zorv {

// Number of parameters of a shape type name: "triang" 3, "trapezoid" 4, "quadratic" 6, "gaussian" 4;
// -1 for any other name.
int paramCountOf(std::string_view typeName);

// The shape type names, in the order above.
std::span<const std::string_view> paramSetTypeNames();

// The shape with this type name from paramCountOf(typeName) parameters in order, over <low, high>.
// Null for an unknown type name or null parameters.
std::unique_ptr<CFuzzyParamSet> createParamSet(std::string_view typeName, const double* params, double low,
                                               double high);

}  // namespace zorv
