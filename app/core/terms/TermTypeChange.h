#pragma once

#include <string_view>

namespace zorv {

class UserTermTable;

// "Change Type" on one row of the term grid:
//   to triang     the kernel becomes its middle; LeftEquilib, RightKernel and RightEquilib are emptied;
//   to trapezoid  the equilibrium points are emptied; a one-point kernel c (from a triangle) is split into
//                 c -/+ (RightSupp - LeftSupp)/8, each kept in the context;
//   to quadratic  a one-point kernel is split as for the trapezoid; the equilibrium points become the
//                 middles between support and kernel ends;
//   to gaussian   the kernel is kept (split as above when it is one point), the supports are emptied and the
//                 scale factors become 0.1.
// A gaussian has no support; where another shape needs one, the context's ends are taken.
class TermTypeChange {
public:
    // Whether the menu item for target is enabled for the row (not its current type).
    static bool Allowed(const UserTermTable& table, int row, std::string_view target);
    static void Apply(UserTermTable& table, int row, std::string_view target);

private:
    static void SupplySupports(UserTermTable& table, int row);
    static void SplitKernel(UserTermTable& table, int row);
    static void ToTriang(UserTermTable& table, int row);
    static void ToTrapezoid(UserTermTable& table, int row);
    static void ToQuadratic(UserTermTable& table, int row);
    static void ToGaussian(UserTermTable& table, int row);
};

}  // namespace zorv
