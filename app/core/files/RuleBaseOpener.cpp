#include "app/core/files/RuleBaseOpener.h"

#include <exception>
#include <filesystem>
#include <iostream>

#include "app/core/workbench/WorkbenchMessages.h"
#include "fuzzy/expression/ESyntax.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseReader.h"
#include "rulebase/RuleBaseErrorPlace.h"
#include "text/TextExcerpt.h"

namespace zorv {

bool RuleBaseOpener::exists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::exists(path, error);
}

// "FILE:LINE:COLUMN: message" and the line at fault, as the command-line tool reports it, so that the
// place can be found in an editor; a fault of the whole file has no line.
std::string RuleBaseOpener::report(const std::string& path, const ESyntax& error, std::string_view text) {
    const auto place = RuleBaseErrorPlace::of(error, text);
    if (!place) return path + ": " + error.message();
    return path + ':' + std::to_string(place->number) + ':' + std::to_string(place->offset + 1) + ": " +
           error.message() + '\n' + TextExcerpt::of(place->line, TextExcerpt::kLineBytes);
}

OpenedRuleBase RuleBaseOpener::open(const std::string& path) {
    OpenedRuleBase result;
    if (!exists(path)) {
        result.failure = WorkbenchMessages::fileNotFound(path);
        return result;
    }
    std::string text;
    try {
        text = CRuleBaseReader::ReadFile(path);
        // The workbench has no place for the reader's warnings yet; they go where they always went.
        result.unit = CRuleBase::LoadFromText(text, path, std::cerr);
        result.status = OpenedRuleBase::Status::loaded;
    } catch (const ESyntax& error) {
        result.status = OpenedRuleBase::Status::broken;
        result.failure = WorkbenchMessages::syntaxError(report(path, error, text));
    } catch (const std::exception& error) {
        // The reader promises ESyntax only; anything else is still no reason to lose the other windows.
        result.status = OpenedRuleBase::Status::broken;
        result.failure = WorkbenchMessages::syntaxError(error.what());
    }
    return result;
}

}  // namespace zorv
