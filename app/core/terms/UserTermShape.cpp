#include "app/core/terms/UserTermShape.h"

#include <algorithm>
#include <array>

namespace zorv {

namespace {

constexpr std::array<int, 6> kQuadraticSlots{0, 1, 2, 3, 4, 5};
constexpr std::array<int, 4> kTrapezoidSlots{0, 2, 3, 5};
constexpr std::array<int, 3> kTriangSlots{0, 2, 5};
constexpr std::array<int, 4> kGaussianSlots{1, 2, 3, 4};
constexpr std::array<std::string_view, 6> kHeaders{"LeftSupp",    "LeftEquilib",  "LeftKernel",
                                                   "RightKernel", "RightEquilib", "RightSupp"};

}  // namespace

bool UserTermShape::IsType(std::string_view type) { return !Slots(type).empty(); }

std::span<const int> UserTermShape::Slots(std::string_view type) {
    if (type == kQuadratic) return kQuadraticSlots;
    if (type == kTrapezoid) return kTrapezoidSlots;
    if (type == kTriang) return kTriangSlots;
    if (type == kGaussian) return kGaussianSlots;
    return {};
}

bool UserTermShape::Uses(std::string_view type, int slot) { return ParameterOf(type, slot) >= 0; }

int UserTermShape::ParameterOf(std::string_view type, int slot) {
    const auto slots = Slots(type);
    const auto found = std::find(slots.begin(), slots.end(), slot);
    return found == slots.end() ? -1 : static_cast<int>(found - slots.begin());
}

bool UserTermShape::IsScale(std::string_view type, int slot) {
    return type == kGaussian && (slot == leftEquilib || slot == rightEquilib);
}

std::string_view UserTermShape::Header(int slot) {
    return slot >= 0 && slot < kSlotCount ? kHeaders[static_cast<std::size_t>(slot)] : std::string_view{};
}

}  // namespace zorv
