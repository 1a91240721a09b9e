#include "app/core/surface/SurfaceReadout.h"

#include <limits>

namespace zorv {

SurfaceReadout::SurfaceReadout(GridAxis axis1, GridAxis axis2, std::vector<double> outputs)
    : axis1_(axis1), axis2_(axis2), outputs_(std::move(outputs)) {}

std::optional<SurfaceReading> SurfaceReadout::At(const Net3d& net, const Projection& view, ScreenPoint pointer,
                                                 int reach) const {
    if (net.Rows() != axis2_.count || net.Columns() != axis1_.count ||
        outputs_.size() != net.Points().size()) {
        return std::nullopt;
    }
    std::optional<SurfaceReading> nearest;
    long long best = static_cast<long long>(reach) * reach;
    double bestDepth = -std::numeric_limits<double>::infinity();  // greater is nearer the viewer
    for (int r = 0; r < net.Rows(); ++r) {
        for (int c = 0; c < net.Columns(); ++c) {
            const Vector3d turned = view.View().Apply(net.At(r, c));
            const ScreenPoint p = view.ProjectTurned(turned);
            const long long dx = p.x - pointer.x;
            const long long dy = p.y - pointer.y;
            const long long distance = dx * dx + dy * dy;
            if (distance > best || (distance == best && turned.y <= bestDepth)) continue;
            best = distance;
            bestDepth = turned.y;
            nearest = SurfaceReading{r, c, axis1_.Value(c), axis2_.Value(r),
                                     outputs_[static_cast<std::size_t>(r) * static_cast<std::size_t>(net.Columns()) +
                                              static_cast<std::size_t>(c)]};
        }
    }
    return nearest;
}

}  // namespace zorv
