#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorv {

// Kind of a rule base: evaluative expressions in every rule (linguistic), or linear consequents
// (takagi_sugeno) or constant consequents (singleton) for the output variables.
enum class DescriptionType : std::uint8_t { linguistic = 0, takagi_sugeno = 1, singleton = 2 };

// The word stored under "TypeOfDescription=": "linguistic", "takagi_sugeno" or "singleton".
std::string_view DescriptionTypeName(DescriptionType type);

// The type whose word begins text (tried in the order linguistic, takagi_sugeno, singleton); none otherwise.
std::optional<DescriptionType> DescriptionTypeFromText(std::string_view text);

}  // namespace zorv
