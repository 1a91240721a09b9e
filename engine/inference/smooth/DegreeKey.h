#pragma once

#include <cstdint>
#include <span>

namespace zorv {

// One rule that takes part in a conclusion, with its degree. The rules of a conclusion, in rule order, with
// their degrees are all that the crisp inference methods read besides the compiled rules: two points with the
// same key have the same conclusion.
struct DegreeKeyItem {
    int rule = 0;
    double degree = 0.0;

    bool operator==(const DegreeKeyItem&) const = default;
};

using DegreeKey = std::span<const DegreeKeyItem>;

}  // namespace zorv
