#pragma once

#include <optional>

#include "interchange/ForeignShape.h"

namespace zorv {

// The trapezoid nearest to a membership function that has no exact counterpart: on each side, the straight
// line through the points where the function crosses 10 % and 90 % of its maximum over the context, extended
// to 0 and 1 (a triangle or trapezoid thus maps onto itself). A side that does not fall to 10 % inside the
// context becomes a shoulder reaching past the context's end.
class ShapeApproximation {
public:
    static constexpr int kSamples = 4001;

    static std::optional<UserShape> NearestTrapezoid(const ForeignTerm& term, double low, double high);
    // The centroid of the function over the context (for a term that should have been a constant); none when
    // the function cannot be computed or is 0 everywhere.
    static std::optional<double> Centroid(const ForeignTerm& term, double low, double high);
};

}  // namespace zorv
