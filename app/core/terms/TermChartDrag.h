#pragma once

#include <optional>

namespace zorv {

class TermChartGeometry;
class UserTermTable;

// Moving a term's parameter by dragging on the chart: each parameter is a point at its value's x and its
// slot's height; empty parameters and a gaussian's scale factors are not points.
class TermChartDrag {
public:
    // The slot whose point lies nearest to (x, y); none when the row has no points.
    static std::optional<int> NearestSlot(const UserTermTable& table, int row, const TermChartGeometry& geometry,
                                          double x, double y);
    // Gives the slot the value under x (limited to the context); when the cell's check then fails the old
    // value is put back. Whether the value changed.
    static bool Move(UserTermTable& table, int row, int slot, const TermChartGeometry& geometry, double x);
};

}  // namespace zorv
