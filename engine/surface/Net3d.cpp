#include "surface/Net3d.h"

#include <stdexcept>

namespace zorv {

void Net3d::Resize(std::int32_t rows, std::int32_t columns) {
    if (rows < 0 || columns < 0) throw std::invalid_argument("a net cannot have a negative size");
    const std::size_t count = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    if (count != points_.size()) points_.assign(count, Vector3d::Origin());
    rows_ = rows;
    columns_ = columns;
}

}  // namespace zorv
