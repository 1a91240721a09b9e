#include "ftransform/partition/BasicFunctionShape.h"

#include <array>

namespace zorv {

namespace {

constexpr std::array<std::string_view, kBasicFunctionShapeCount> kNames = {
    "triangular", "quadratic", "sinusoidal", "fuzzynumber"};
constexpr std::array<std::string_view, kBasicFunctionShapeCount> kItems = {
    "Triangular", "Quadratic", "Sinusoidal", "FuzzyNumber"};

}  // namespace

std::string_view basicFunctionName(BasicFunctionShape shape) {
    const auto number = static_cast<std::size_t>(shape);
    return number < kNames.size() ? kNames[number] : std::string_view{};
}

std::string_view basicFunctionItem(BasicFunctionShape shape) {
    const auto number = static_cast<std::size_t>(shape);
    return number < kItems.size() ? kItems[number] : std::string_view{};
}

std::optional<BasicFunctionShape> basicFunctionShapeOf(int number) {
    if (number < 0 || number >= kBasicFunctionShapeCount) {
        return std::nullopt;
    }
    return static_cast<BasicFunctionShape>(number);
}

std::optional<BasicFunctionShape> basicFunctionShapeNamed(std::string_view name) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (kNames[i] == name) {
            return static_cast<BasicFunctionShape>(i);
        }
    }
    return std::nullopt;
}

}  // namespace zorv
