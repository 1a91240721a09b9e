#pragma once

#include <string>

#include "interchange/ForeignSystem.h"

namespace zorv {

// Writes a foreign rule base in the Fuzzy Control Language: point lists "(x, y) ...", singletons as numbers,
// linear terms as "Linear c1 .. cn c0". A term with a stated origin gets a "// shape:" comment line before it.
class FclWriter {
public:
    static std::string Write(const ForeignSystem& system);
};

}  // namespace zorv
