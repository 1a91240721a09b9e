#pragma once

#include <string_view>
#include <variant>

#include "app/core/workbench/Prompter.h"

namespace zorv {

// The test window's Steps field: the number of intervals of the projection plot, also the resolution of the
// smooth defuzzification. A whole number; 0 and negative numbers count as 1. Any other text is refused with
// the conversion error, and so is a number beyond what the plot can show (ProjectionCurve::kMaxSteps).
class StepsText {
public:
    // The steps, or the box that says why the text was refused.
    static std::variant<int, PromptMessage> Parse(std::string_view text);
};

}  // namespace zorv
