#pragma once

#include <optional>
#include <vector>

#include "rulebase/GridAxis.h"
#include "surface/Net3d.h"
#include "surface/Projection.h"
#include "surface/ScreenPoint.h"

namespace zorv {

// A grid point of the surface with its values: the two inputs and the output computed there.
struct SurfaceReading {
    int row = 0;
    int column = 0;
    double input1 = 0.0;
    double input2 = 0.0;
    double output = 0.0;
};

// Reads values off the surface picture: the grid point whose picture lies nearest the mouse pointer. The
// values are the grid's own and the outputs as computed, not the net's scaled (and held) coordinates.
class SurfaceReadout {
public:
    SurfaceReadout() = default;
    // outputs: row-major, axis2.count rows of axis1.count values, as the net's points.
    SurfaceReadout(GridAxis axis1, GridAxis axis2, std::vector<double> outputs);

    // The point nearest pointer, if one lies within reach pixels; of points equally near, the one nearer the
    // viewer. None when the net does not match the grid.
    std::optional<SurfaceReading> At(const Net3d& net, const Projection& view, ScreenPoint pointer, int reach) const;

private:
    GridAxis axis1_;
    GridAxis axis2_;
    std::vector<double> outputs_;
};

}  // namespace zorv
