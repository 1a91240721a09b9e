#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ArgumentCursor.h"

namespace zorv::cli {

// Is the argument an option ("--fired", "-o")? A negative number ("-5", "-.5", "-,5") and "-" alone
// are not.
bool looksLikeOption(std::string_view arg);

// Reads an option the command knows (its value, if any, from the cursor); false for an unknown one.
using OptionReader = std::function<bool(const std::string& option, ArgumentCursor& cursor)>;

// Walks a command's arguments: "--" ends the options, every other argument that looks like an option goes
// to `readOption` (an unknown one is a usage error), and the rest are the operands, returned in order.
// Negative numbers are operands. "--help" never reaches here: the command base answers it first.
std::vector<std::string> scanArguments(const std::vector<std::string>& args, const OptionReader& readOption);

// The operands of a command that has no options of its own.
std::vector<std::string> scanOperands(const std::vector<std::string>& args);

}  // namespace zorv::cli
