#pragma once

#include <string_view>

#include "interchange/ForeignSystem.h"
#include "interchange/ProblemList.h"

namespace zorv {

// Reads the Fuzzy Inference System format: "[System]", "[InputN]", "[OutputN]" and "[Rules]" sections of
// "Key=value" lines, "#" and "%" comments, rules as rows of term indices
// ("1 -2, 3 (1) : 1": input terms, 0 for an input not used and negative for "not"; output terms; the weight;
// 1 for "and", 2 for "or"). Shape and method names are translated to the common spelling of ForeignSystem.
class FisReader {
public:
    static ForeignSystem Read(std::string_view text, ProblemList& problems);
};

}  // namespace zorv
