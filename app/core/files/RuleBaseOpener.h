#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/workbench/Prompter.h"

namespace zorv {

class CRuleBase;
class ESyntax;

// What opening a rule base file gave: the unit, or the box telling why there is none.
struct OpenedRuleBase {
    enum class Status { loaded, missing, broken };

    Status status = Status::missing;
    std::unique_ptr<CRuleBase> unit;       // set when loaded
    std::optional<PromptMessage> failure;  // set when missing or broken
};

// Reads a rule base file for a new editor.
class RuleBaseOpener {
public:
    static bool exists(const std::string& path);
    // A path that names nothing gives "File not found: " + path ("IO Error"); a file the reader refuses
    // gives the reader's message ("Syntax error") after the path and the line and column at fault.
    static OpenedRuleBase open(const std::string& path);

private:
    static std::string report(const std::string& path, const ESyntax& error, std::string_view text);
};

}  // namespace zorv
