#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/core/terms/UserTermShape.h"
#include "app/core/terms/UserTermValue.h"

namespace zorv {

// One row of the term grid.
struct UserTermRow {
    std::string name;
    std::string type;
    std::array<UserTermValue, UserTermShape::kSlotCount> values;
    bool used = false;
    // Kept from the vocabulary: the term's long name, and its name when the grid was opened (so that rules
    // follow a rename when the grid is confirmed).
    std::string longName;
    std::optional<std::string> originalName;

    bool operator==(const UserTermRow&) const = default;
};

}  // namespace zorv
