#pragma once

#include <array>
#include <string>
#include <vector>

#include "surface/Transform3d.h"
#include "surface/Vector3d.h"

namespace zorv {

// What a scale measures: the two inputs and the output, each over its context.
struct SurfaceRange {
    double low = 0.0;
    double high = 0.0;
    std::string name;
};

struct SurfaceTick {
    Vector3d at;        // on the scale's edge, in net coordinates
    std::string label;  // the value there
};

// One scale of the surface picture: an edge of the box [−1, 1]³ that holds the net, the direction away from
// the box in which its ticks, numbers and name stand, its ticks and the name of what it measures.
struct SurfaceScale {
    Vector3d from;
    Vector3d to;
    Vector3d outward;
    std::vector<SurfaceTick> ticks;
    std::string name;
};

// The scales that let a value be read off the surface picture: variable 1 along x, variable 2 along y, both
// on the bottom of the box, and the output along z on a vertical edge. Each runs along the edge of its
// direction that the view turns towards the viewer (or, for the output, to the left of the picture), so
// that the net hides it least; the ticks stand at the ends and the quarters.
class SurfaceScales {
public:
    static constexpr int kTicks = 5;

    static std::array<SurfaceScale, 3> Of(const Transform3d& view, const std::array<SurfaceRange, 3>& ranges);
    // The text of a value at a tick: at most four significant digits.
    static std::string Label(double value);

private:
    static SurfaceScale Along(const Vector3d& from, const Vector3d& to, const Vector3d& outward,
                              const SurfaceRange& range);
};

}  // namespace zorv
