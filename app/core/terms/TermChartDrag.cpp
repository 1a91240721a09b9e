#include "app/core/terms/TermChartDrag.h"

#include <cmath>

#include "app/core/terms/TermChartGeometry.h"
#include "app/core/terms/UserTermCellCheck.h"
#include "app/core/terms/UserTermTable.h"

namespace zorv {

std::optional<int> TermChartDrag::NearestSlot(const UserTermTable& table, int row, const TermChartGeometry& geometry,
                                              double x, double y) {
    if (row < 0 || row >= table.rowCount()) return std::nullopt;
    const std::string& type = table.row(row).type;
    std::optional<int> nearest;
    double best = 0.0;
    for (const int slot : UserTermShape::Slots(type)) {
        const auto value = table.value(row, slot);
        if (!value || UserTermShape::IsScale(type, slot)) continue;
        const double distance = std::hypot(geometry.x(*value) - x, geometry.slotY(slot) - y);
        if (!nearest || distance < best) {
            nearest = slot;
            best = distance;
        }
    }
    return nearest;
}

bool TermChartDrag::Move(UserTermTable& table, int row, int slot, const TermChartGeometry& geometry, double x) {
    if (row < 0 || row >= table.rowCount()) return false;
    const UserTermValue old = table.row(row).values.at(static_cast<std::size_t>(slot));
    table.setValue(row, slot, geometry.value(x));
    if (UserTermCellCheck::Check(table, row, UserTermTable::ColumnOf(slot)).ok) return true;
    table.putValue(row, slot, old);
    return false;
}

}  // namespace zorv
