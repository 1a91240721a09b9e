#include "rulebase/RuleCellCheck.h"

#include <algorithm>

#include "fuzzy/expression/ESyntax.h"
#include "fuzzy/linear/CLinCSettings.h"

namespace zorv {
namespace {

std::optional<ESyntax> linearError(const CLinCSettings& vocabulary, std::string_view text, int inputCount) {
    try {
        vocabulary.parseLinear(text, inputCount);
        return std::nullopt;
    } catch (const ESyntax& error) {
        return error;
    }
}

}  // namespace

RuleCellCheck RuleCellCheck::of(const CSettings& vocabulary, std::string_view text, int inputCount) {
    if (text.empty()) return {};
    const auto* linear = dynamic_cast<const CLinCSettings*>(&vocabulary);
    const std::optional<ESyntax> error =
        linear != nullptr ? linearError(*linear, text, inputCount) : vocabulary.checkSyntax(text);
    if (!error) return {};
    RuleCellCheck check{false, error->message(), {}, {}};
    if (error->position() != ESyntax::kAfterParse) {
        const auto split = static_cast<std::size_t>(std::clamp(error->position(), 0, static_cast<int>(text.size())));
        check.goodPart = text.substr(0, split);
        check.badPart = text.substr(split);
    }
    return check;
}

}  // namespace zorv
