#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "app/core/terms/UserTermRow.h"

namespace zorv {

// The text form of a term on the term clipboard: "name;type;p1;p2;p3;p4;p5;p6;" with empty cells for the
// parameters the type does not use. Parameters are written exactly, so that a pasted term is the copied one.
class UserTermClipboardText {
public:
    static std::string Line(const UserTermRow& row);
    // The row a line describes (usage "N", no original name); none for a line without a known type.
    static std::optional<UserTermRow> Row(std::string_view line);
};

}  // namespace zorv
