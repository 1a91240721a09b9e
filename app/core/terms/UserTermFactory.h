#pragma once

#include <string>
#include <string_view>

#include "app/core/terms/UserTermRow.h"

namespace zorv {

// New rows of the term grid made by the add buttons, over the context <low, high> with d = (high - low)/8:
//   quadratic  L+d, L+2d, L+3d, L+5d, L+6d, L+7d
//   trapezoid  LeftSupp L+d, LeftKernel L+3d, RightKernel L+5d, RightSupp L+7d
//   triang     LeftSupp L+d, LeftKernel L+4d, RightSupp L+7d
//   gaussian   LeftEquilib 0.1, LeftKernel L+3d, RightKernel L+5d, RightEquilib 0.1
class UserTermFactory {
public:
    static UserTermRow Shape(std::string_view type, double low, double high, std::string name);
    // A triangle with its three points.
    static UserTermRow Triangle(std::string name, double left, double peak, double right);
    // The name the add buttons give the term numbered n.
    static std::string DefaultName(int n) { return "expression" + std::to_string(n); }
};

}  // namespace zorv
