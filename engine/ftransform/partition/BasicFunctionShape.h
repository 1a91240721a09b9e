#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorv {

// The shape of the basic functions of one axis, in the order the settings dialog lists them.
enum class BasicFunctionShape : std::uint8_t {
    Triangular = 0,
    Quadratic = 1,
    Sinusoidal = 2,
    FuzzyNumber = 3,
};

inline constexpr int kBasicFunctionShapeCount = 4;

// The name a shape reports and the FT-Vector file stores: "triangular", "quadratic", "sinusoidal",
// "fuzzynumber"; empty for a value outside the four shapes.
std::string_view basicFunctionName(BasicFunctionShape shape);
// The item the settings dialog shows: "Triangular", "Quadratic", "Sinusoidal", "FuzzyNumber".
std::string_view basicFunctionItem(BasicFunctionShape shape);
// The shape of a shape number 0..3, or of a reported name; none otherwise.
std::optional<BasicFunctionShape> basicFunctionShapeOf(int number);
std::optional<BasicFunctionShape> basicFunctionShapeNamed(std::string_view name);

}  // namespace zorv
