#include "app/core/terms/TermTypeChange.h"

#include <algorithm>
#include <string>

#include "app/core/terms/UserTermTable.h"

namespace zorv {

namespace {

using Slot = UserTermShape::Slot;

constexpr double kGaussianScale = 0.1;

void SetMiddle(UserTermTable& table, int row, Slot target, Slot a, Slot b) {
    const auto x = table.value(row, a);
    const auto y = table.value(row, b);
    if (x && y) table.setValue(row, target, (*x + *y) / 2.0);
}

}  // namespace

bool TermTypeChange::Allowed(const UserTermTable& table, int row, std::string_view target) {
    return row >= 0 && row < table.rowCount() && UserTermShape::IsType(target) && table.row(row).type != target;
}

void TermTypeChange::Apply(UserTermTable& table, int row, std::string_view target) {
    if (!Allowed(table, row, target)) return;
    if (target == UserTermShape::kTriang) ToTriang(table, row);
    if (target == UserTermShape::kTrapezoid) ToTrapezoid(table, row);
    if (target == UserTermShape::kQuadratic) ToQuadratic(table, row);
    if (target == UserTermShape::kGaussian) ToGaussian(table, row);
    table.setType(row, std::string(target));
}

void TermTypeChange::SupplySupports(UserTermTable& table, int row) {
    if (!table.value(row, Slot::leftSupp)) table.setValue(row, Slot::leftSupp, table.low());
    if (!table.value(row, Slot::rightSupp)) table.setValue(row, Slot::rightSupp, table.high());
}

// Coming from a triangle, the kernel is the single LeftKernel point.
void TermTypeChange::SplitKernel(UserTermTable& table, int row) {
    if (!table.row(row).values[Slot::rightKernel].empty()) return;
    const auto c = table.value(row, Slot::leftKernel);
    const auto left = table.value(row, Slot::leftSupp);
    const auto right = table.value(row, Slot::rightSupp);
    if (!c || !left || !right) return;
    const double e = (*right - *left) / 8.0;
    table.setValue(row, Slot::leftKernel, std::clamp(*c - e, table.low(), table.high()));
    table.setValue(row, Slot::rightKernel, std::clamp(*c + e, table.low(), table.high()));
}

void TermTypeChange::ToTriang(UserTermTable& table, int row) {
    SupplySupports(table, row);
    SetMiddle(table, row, Slot::leftKernel, Slot::leftKernel, Slot::rightKernel);
    table.clearValue(row, Slot::leftEquilib);
    table.clearValue(row, Slot::rightKernel);
    table.clearValue(row, Slot::rightEquilib);
}

void TermTypeChange::ToTrapezoid(UserTermTable& table, int row) {
    SupplySupports(table, row);
    table.clearValue(row, Slot::leftEquilib);
    table.clearValue(row, Slot::rightEquilib);
    SplitKernel(table, row);
}

void TermTypeChange::ToQuadratic(UserTermTable& table, int row) {
    SupplySupports(table, row);
    SplitKernel(table, row);
    SetMiddle(table, row, Slot::leftEquilib, Slot::leftSupp, Slot::leftKernel);
    SetMiddle(table, row, Slot::rightEquilib, Slot::rightSupp, Slot::rightKernel);
}

void TermTypeChange::ToGaussian(UserTermTable& table, int row) {
    SplitKernel(table, row);
    table.clearValue(row, Slot::leftSupp);
    table.clearValue(row, Slot::rightSupp);
    table.setValue(row, Slot::leftEquilib, kGaussianScale);
    table.setValue(row, Slot::rightEquilib, kGaussianScale);
}

}  // namespace zorv
