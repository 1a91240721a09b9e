#pragma once

#include <span>
#include <string_view>

namespace zorv {

// The shapes a user term can have and where their parameters sit among the six parameter columns of the
// term grid (LeftSupp, LeftEquilib, LeftKernel, RightKernel, RightEquilib, RightSupp).
class UserTermShape {
public:
    enum Slot { leftSupp = 0, leftEquilib, leftKernel, rightKernel, rightEquilib, rightSupp };
    static constexpr int kSlotCount = 6;

    static constexpr std::string_view kQuadratic = "quadratic";
    static constexpr std::string_view kTrapezoid = "trapezoid";
    static constexpr std::string_view kTriang = "triang";
    static constexpr std::string_view kGaussian = "gaussian";

    static bool IsType(std::string_view type);
    // The slots a type uses, in the order of its set's parameters; empty for an unknown type.
    static std::span<const int> Slots(std::string_view type);
    static bool Uses(std::string_view type, int slot);
    // Position of the slot among the type's parameters; -1 when the type does not use it.
    static int ParameterOf(std::string_view type, int slot);
    // The gaussian's equilibrium slots hold its scale factors rather than points of the context.
    static bool IsScale(std::string_view type, int slot);
    static std::string_view Header(int slot);
};

}  // namespace zorv
