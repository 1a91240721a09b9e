#pragma once

#include <string>

#include "interchange/ForeignSystem.h"

namespace zorv {

// Writes a foreign rule base in the FuzzyLite Language. A term with a stated origin gets a "# shape:" comment
// line before it.
class FllWriter {
public:
    static std::string Write(const ForeignSystem& system);
};

}  // namespace zorv
