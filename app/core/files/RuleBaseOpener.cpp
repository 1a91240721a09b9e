#include "app/core/files/RuleBaseOpener.h"

#include <exception>
#include <filesystem>
#include <iostream>

#include "app/core/workbench/WorkbenchMessages.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

bool RuleBaseOpener::exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

OpenedRuleBase RuleBaseOpener::open(const std::string& path) {
    OpenedRuleBase result;
    if (!exists(path)) {
        result.failure = WorkbenchMessages::fileNotFound(path);
        return result;
    }
    try {
        // The workbench has no place for the reader's warnings yet; they go where they always went.
        result.unit = CRuleBase::Load(path, std::cerr);
        result.status = OpenedRuleBase::Status::loaded;
    } catch (const ESyntax& error) {
        result.status = OpenedRuleBase::Status::broken;
        result.failure = WorkbenchMessages::syntaxError(error.message());
    } catch (const std::exception& error) {
        // The reader promises ESyntax only; anything else is still no reason to lose the other windows.
        result.status = OpenedRuleBase::Status::broken;
        result.failure = WorkbenchMessages::syntaxError(error.what());
    }
    return result;
}

}  // namespace zorv
