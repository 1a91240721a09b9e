#pragma once

#include <cstdint>
#include <vector>

#include "app/core/UnitEvaluatorSource.h"

namespace zorv {

// What a projection curve is computed for: the plotted input, the steps, the values of the other inputs,
// the response (plain or through the filter) and the revision of the rule base as the test window last saw
// it change. Equal requests give equal curves, so a curve shown or on its way for an equal request need not
// be computed again.
struct ProjectionRequest {
    int variable = 0;
    int steps = 0;
    // One value per input; the plotted input's own is 0, since the curve does not depend on it.
    std::vector<double> at;
    UnitResponse response = UnitResponse::Plain;
    std::uint64_t revision = 0;

    bool operator==(const ProjectionRequest&) const = default;
};

}  // namespace zorv
