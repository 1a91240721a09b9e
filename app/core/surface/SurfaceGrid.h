#pragma once

#include <vector>

#include "rulebase/GridAxis.h"
#include "app/core/evaluation/PointBatch.h"
#include "surface/Net3d.h"

namespace zorv {

class CRuleBase;

// The points of a rule base's surface over two of its inputs. With n = steps, input variable1 runs over its
// context in n values x1_i = low1 + i·(high1 − low1)/(n − 1), variable2 likewise; every other input keeps
// its given value. The n × n points are in row-major order: row r takes the r-th value of variable 2,
// column c the c-th value of variable 1.
//
// The output at a point is the rule base's plain response (inference and defuzzification; the crisp
// Takagi-Sugeno result for a singleton rule base, which has no output set to defuzzify). The surface net
// holds each point as (x1, x2, y), each scaled to [−1, 1] over its context (y over the first output's).
class SurfaceGrid {
public:
    static constexpr int kMinSteps = 2;
    // More values per input are refused: a million points is far beyond what a picture can show.
    static constexpr int kMaxSteps = 1000;

    // variable1, variable2: two different input indices; steps: kMinSteps to kMaxSteps; at: one value per input.
    // Anything else is refused with std::invalid_argument.
    SurfaceGrid(const CRuleBase& unit, int variable1, int variable2, int steps, std::vector<double> at);

    int Variable1() const { return variable1_; }
    int Variable2() const { return variable2_; }
    int Steps() const { return axis1_.count; }
    const GridAxis& Axis1() const { return axis1_; }
    const GridAxis& Axis2() const { return axis2_; }

    PointBatch Points() const;
    // The net of a computed batch of Points().
    Net3d Net(const PointBatch& computed) const;

    // 2(v − low)/(high − low) − 1, held within [−1, 1] so that the picture stays within its axes (an output
    // beyond its context, an infinite one); 0 for a context without width and for a value that is not a
    // number.
    static double Scaled(double value, double low, double high);

private:
    int variable1_;
    int variable2_;
    GridAxis axis1_;
    GridAxis axis2_;
    double outputLow_;
    double outputHigh_;
    std::vector<double> at_;
};

}  // namespace zorv
