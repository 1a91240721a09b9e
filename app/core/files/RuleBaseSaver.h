#pragma once

#include <optional>
#include <string>
#include <variant>

#include "app/core/workbench/Prompter.h"

namespace zorv {

class CRuleBase;

// Writes a rule base to its file in one step (the previous content survives any failure).
class RuleBaseSaver {
public:
    // The box to show when the unit cannot be written to path; none when it was written.
    // A unit that its file cannot hold is refused with the reason, before anything is written;
    // a file that cannot be written gives "Cannot write to rulebase file".
    static std::optional<PromptMessage> write(const CRuleBase& unit, const std::string& path);
    // The very bytes write() would put in the file, made in memory; the refusal's box for a unit that its
    // file cannot hold.
    static std::variant<std::string, PromptMessage> text(const CRuleBase& unit);
};

}  // namespace zorv
