#pragma once

namespace zorv {

class CompiledRuleBase;
class Workspace;

// The two sums of the smooth defuzzification over the points p of the neighbourhood laid out in
// ws.smooth.axes, in grid order (first antecedent fastest):
//   weights = sum omega(p),  sum = sum omega(p) SimpleDee(infer(p)),  omega(p) = prod_k w_k(p_k).
struct SmoothSums {
    double weights = 0.0;
    double sum = 0.0;
};

// Runs the inference at every point. Works for every method and any number of points.
SmoothSums SumPointByPoint(const CompiledRuleBase& compiled, Workspace& ws);

// The same sums, bit for bit, computed from the per-axis degrees (AxisDegrees, NeighbourhoodRules): a point
// whose rules and degrees were met before takes the Simple DEE found then (SimpleDeeCache), and only new ones
// run the inference. For the crisp methods; false (nothing summed) when the grid does not allow it (a fuzzy-input
// method, no antecedent, degrees that are negative or NaN, or axes too long to tabulate).
bool SumOnGrid(const CompiledRuleBase& compiled, Workspace& ws, SmoothSums& sums);

}  // namespace zorv
