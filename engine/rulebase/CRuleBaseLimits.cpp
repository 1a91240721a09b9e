#include "rulebase/CRuleBaseLimits.h"

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

std::uint64_t CRuleBaseLimits::CompileWork(const CRuleBase& unit, const CValue& cell) {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&unit.Settings(cell.OwnerIndex()));
    const std::uint64_t userTerms = vocabulary != nullptr ? static_cast<std::uint64_t>(vocabulary->userTermCount()) : 0;
    const std::uint64_t length = cell.Text().size();
    const std::uint64_t grid = static_cast<std::uint64_t>(unit.Discretization(cell.OwnerIndex()));
    return grid * (length + 16) + length * userTerms;
}

}  // namespace zorv
