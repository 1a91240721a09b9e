#include "app/core/terms/UserTermFactory.h"

#include <array>

namespace zorv {

namespace {

constexpr double kGaussianScale = 0.1;

// Eighths of the context for each slot; negative entries leave the slot empty.
std::array<double, UserTermShape::kSlotCount> Eighths(std::string_view type) {
    if (type == UserTermShape::kQuadratic) return {1, 2, 3, 5, 6, 7};
    if (type == UserTermShape::kTrapezoid) return {1, -1, 3, 5, -1, 7};
    if (type == UserTermShape::kTriang) return {1, -1, 4, -1, -1, 7};
    return {-1, -1, 3, 5, -1, -1};
}

}  // namespace

UserTermRow UserTermFactory::Shape(std::string_view type, double low, double high, std::string name) {
    UserTermRow row;
    row.name = std::move(name);
    row.type = std::string(type);
    const double d = (high - low) / 8.0;
    const auto eighths = Eighths(type);
    for (int slot = 0; slot < UserTermShape::kSlotCount; ++slot) {
        const double k = eighths[static_cast<std::size_t>(slot)];
        if (k >= 0) row.values[static_cast<std::size_t>(slot)] = UserTermValue::Of(low + k * d);
    }
    if (type == UserTermShape::kGaussian) {
        row.values[UserTermShape::leftEquilib] = UserTermValue::Of(kGaussianScale);
        row.values[UserTermShape::rightEquilib] = UserTermValue::Of(kGaussianScale);
    }
    return row;
}

UserTermRow UserTermFactory::Triangle(std::string name, double left, double peak, double right) {
    UserTermRow row;
    row.name = std::move(name);
    row.type = std::string(UserTermShape::kTriang);
    row.values[UserTermShape::leftSupp] = UserTermValue::Of(left);
    row.values[UserTermShape::leftKernel] = UserTermValue::Of(peak);
    row.values[UserTermShape::rightSupp] = UserTermValue::Of(right);
    return row;
}

}  // namespace zorv
