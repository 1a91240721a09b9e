#pragma once

#include <cstdint>
#include <vector>

#include "surface/Vector3d.h"

namespace zorv {

// A net of rows × columns points, row-major: point (r, c) is the (r·columns + c)-th. In the surface
// picture row r belongs to the r-th value of the second variable and column c to the c-th value of the
// first; each point holds (variable 1, variable 2, output), each scaled to [−1, 1].
class Net3d {
public:
    Net3d() = default;
    Net3d(std::int32_t rows, std::int32_t columns) { Resize(rows, columns); }

    std::int32_t Rows() const { return rows_; }
    std::int32_t Columns() const { return columns_; }

    // Gives the net a new shape. A different point count discards the old points (all become the
    // origin); the same count keeps them. Negative sizes are refused (std::invalid_argument).
    void Resize(std::int32_t rows, std::int32_t columns);

    Vector3d& At(std::int32_t row, std::int32_t column) { return points_[Index(row, column)]; }
    const Vector3d& At(std::int32_t row, std::int32_t column) const { return points_[Index(row, column)]; }
    const std::vector<Vector3d>& Points() const { return points_; }

private:
    std::size_t Index(std::int32_t row, std::int32_t column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }

    std::int32_t rows_ = 0;
    std::int32_t columns_ = 0;
    std::vector<Vector3d> points_;
};

}  // namespace zorv
