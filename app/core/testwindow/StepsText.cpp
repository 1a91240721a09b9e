#include "app/core/testwindow/StepsText.h"

#include <algorithm>
#include <string>

#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "text/NumberText.h"

namespace zorv {

std::variant<int, PromptMessage> StepsText::Parse(std::string_view text) {
    const auto steps = NumberText::parseFieldInteger(text);
    if (!steps) {
        return PromptMessage{WorkbenchMessages::notAnInteger(std::string(text)).text, "Error", PromptIcon::error};
    }
    if (*steps > ProjectionCurve::kMaxSteps) {
        return PromptMessage{"Steps must be at most " + std::to_string(ProjectionCurve::kMaxSteps) + ".", "Error",
                             PromptIcon::error};
    }
    return std::max(*steps, 1);
}

}  // namespace zorv
