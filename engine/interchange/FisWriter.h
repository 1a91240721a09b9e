#pragma once

#include <string>

#include "interchange/ForeignSystem.h"

namespace zorv {

// Writes a foreign rule base in the Fuzzy Inference System format; point lists as 'discretemf'. A term with a
// stated origin gets a "# shape:" comment line before it. Rules must be conjunctions of propositions.
class FisWriter {
public:
    static std::string Write(const ForeignSystem& system);
};

}  // namespace zorv
