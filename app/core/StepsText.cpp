#include "app/core/StepsText.h"

#include <algorithm>
#include <string>

#include "app/core/ProjectionCurve.h"
#include "app/core/TermNumberText.h"

namespace zorv {

std::variant<int, PromptMessage> StepsText::Parse(std::string_view text) {
    const auto steps = TermNumberText::ParseInteger(text);
    if (!steps) return PromptMessage{TermNumberText::IntegerError(text), "Error", PromptIcon::error};
    if (*steps > ProjectionCurve::kMaxSteps) {
        return PromptMessage{"Steps must be at most " + std::to_string(ProjectionCurve::kMaxSteps) + ".", "Error",
                             PromptIcon::error};
    }
    return std::max(*steps, 1);
}

}  // namespace zorv
