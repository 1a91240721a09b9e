#include "app/core/evaluation/PointBatch.h"

#include <stdexcept>

namespace zorv {

PointBatch::PointBatch(int dimensions, std::vector<double> coordinates)
    : dimensions_(dimensions), coordinates_(std::move(coordinates)) {
    if (dimensions <= 0 || coordinates_.size() % static_cast<std::size_t>(dimensions) != 0) {
        throw std::invalid_argument("a point batch holds whole points of at least one input");
    }
    outputs_.assign(coordinates_.size() / static_cast<std::size_t>(dimensions), 0.0);
}

}  // namespace zorv
