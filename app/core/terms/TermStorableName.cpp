#include "app/core/terms/TermStorableName.h"

#include "rulebase/CRuleBaseSaveCheck.h"

namespace zorv {

std::optional<std::string> TermStorableName::Problem(std::string_view name, std::string_view noun) {
    const auto problem = CRuleBaseSaveCheck::NameProblem(name);
    if (!problem) return std::nullopt;
    return "Name of " + std::string(noun) + " cannot be stored in a rulebase file: " + *problem + ".";
}

}  // namespace zorv
