#include "app/core/files/RuleBaseSaver.h"

#include <sstream>

#include "app/core/workbench/WorkbenchMessages.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseSaveCheck.h"
#include "io/EWrite.h"

namespace zorv {

std::optional<PromptMessage> RuleBaseSaver::write(const CRuleBase& unit, const std::string& path) {
    try {
        CRuleBaseSaveCheck(unit).Run();
    } catch (const EWrite& refused) {
        return WorkbenchMessages::cannotStore(refused.what());
    }
    try {
        unit.SaveToFile(path);
    } catch (const EWrite&) {
        return WorkbenchMessages::cannotWrite();
    }
    return std::nullopt;
}

std::variant<std::string, PromptMessage> RuleBaseSaver::text(const CRuleBase& unit) {
    std::ostringstream out;
    try {
        CRuleBaseSaveCheck(unit).Run();
        unit.Save(out);
    } catch (const EWrite& refused) {
        return WorkbenchMessages::cannotStore(refused.what());
    }
    return std::move(out).str();
}

}  // namespace zorv
