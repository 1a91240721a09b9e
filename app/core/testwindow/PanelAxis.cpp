#include "app/core/testwindow/PanelAxis.h"

#include <algorithm>

namespace zorv {

double PanelAxis::PositionAt(double x) const {
    if (Length() <= 0) return 0.0;
    return std::clamp((x - kMargin) / Length(), 0.0, 1.0);
}

}  // namespace zorv
