#pragma once

#include <string_view>

#include "interchange/ForeignSystem.h"
#include "interchange/ProblemList.h"

namespace zorv {

// Reads the FuzzyLite Language: "Engine:", "InputVariable:", "OutputVariable:" and "RuleBlock:" sections of
// "key: value" lines, "#" comments. Syntax problems go to problems (the result is then incomplete); what the
// importer cannot map is left to it.
class FllReader {
public:
    static ForeignSystem Read(std::string_view text, ProblemList& problems);
};

}  // namespace zorv
