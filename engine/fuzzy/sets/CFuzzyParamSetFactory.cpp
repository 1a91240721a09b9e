#include "fuzzy/sets/CFuzzyParamSetFactory.h"

#include <array>

namespace zorv {

namespace {

constexpr std::array<std::string_view, 4> kTypeNames = {"triang", "trapezoid", "quadratic", "gaussian"};
constexpr std::array<int, 4> kParamCounts = {3, 4, 6, 4};

}  // namespace

int paramCountOf(std::string_view typeName) {
    for (std::size_t i = 0; i < kTypeNames.size(); ++i)
        if (kTypeNames[i] == typeName) return kParamCounts[i];
    return -1;
}

std::span<const std::string_view> paramSetTypeNames() { return kTypeNames; }

std::unique_ptr<CFuzzyParamSet> createParamSet(std::string_view typeName, const double* p, double low, double high) {
    if (p == nullptr) return nullptr;
    if (typeName == "triang") return std::make_unique<CFuzzyTriangSet>(p[0], p[1], p[2], low, high);
    if (typeName == "trapezoid") return std::make_unique<CFuzzyTrapezoidSet>(p[0], p[1], p[2], p[3], low, high);
    if (typeName == "quadratic")
        return std::make_unique<CFuzzyQuadraticSet>(p[0], p[1], p[2], p[3], p[4], p[5], low, high);
    if (typeName == "gaussian") return std::make_unique<CFuzzyGaussianSet>(p[0], p[1], p[2], p[3], low, high);
    return nullptr;
}

}  // namespace zorv
