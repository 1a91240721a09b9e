#include "rulebase/DescriptionType.h"

#include <array>

namespace zorv {

namespace {

constexpr std::array<std::string_view, 3> kNames = {"linguistic", "takagi_sugeno", "singleton"};

}  // namespace

std::string_view DescriptionTypeName(DescriptionType type) {
    return kNames[static_cast<std::size_t>(type) % kNames.size()];
}

std::optional<DescriptionType> DescriptionTypeFromText(std::string_view text) {
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (text.starts_with(kNames[i])) return static_cast<DescriptionType>(i);
    }
    return std::nullopt;
}

}  // namespace zorv
