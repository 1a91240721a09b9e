#include "ftransform/partition/PartitionSettings.h"

#include "text/NumberText.h"

#include <cmath>

namespace zorv {

PartitionSettings PartitionSettings::forContext(double low, double high) {
    return PartitionSettings{low, high, kDefaultNodes, BasicFunctionShape::Triangular};
}

std::optional<std::string> PartitionSettings::fault() const {
    if (nodes < 2) {
        return "The number of nodes must be at least 2, not " + NumberText::integer(nodes) + ".";
    }
    if (!std::isfinite(low) || !std::isfinite(high)) {
        return "The context " + NumberText::interval(low, high) + " must have finite bounds.";
    }
    if (!(low < high)) {
        return "The context " + NumberText::interval(low, high) + " is empty: its low bound must lie below its high bound.";
    }
    const double step = (high - low) / (nodes - 1);
    if (!std::isfinite(step) || !(step > 0.0)) {
        return "The context " + NumberText::interval(low, high) + " cannot be divided into " +
               NumberText::integer(nodes - 1) + " steps.";
    }
    if (basicFunctionName(shape).empty()) {
        return "The shape of basic functions is unknown.";
    }
    return std::nullopt;
}

}  // namespace zorv
