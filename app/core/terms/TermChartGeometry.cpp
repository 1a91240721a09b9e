#include "app/core/terms/TermChartGeometry.h"

#include <algorithm>

#include "app/core/terms/UserTermShape.h"

namespace zorv {

double TermChartGeometry::x(double value) const {
    const double span = high_ - low_;
    return kLeft + (span > 0.0 ? (value - low_) / span : 0.0) * plotWidth();
}

double TermChartGeometry::value(double x) const {
    const double ratio = plotWidth() > 0.0 ? (x - kLeft) / plotWidth() : 0.0;
    return std::clamp(low_ + ratio * (high_ - low_), low_, high_);
}

double TermChartGeometry::slotY(int slot) const {
    switch (slot) {
        case UserTermShape::leftKernel:
        case UserTermShape::rightKernel:
            return y(1.0);
        case UserTermShape::leftEquilib:
        case UserTermShape::rightEquilib:
            return y(0.5);
        default:
            return y(0.0);
    }
}

}  // namespace zorv
