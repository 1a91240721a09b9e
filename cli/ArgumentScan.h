#pragma once

#include <functional>
#include <string>
#include <vector>

#include "cli/ArgumentCursor.h"

namespace zorv::cli {

// What a command line holds besides its options: the operands, and whether help was asked for.
struct ScannedArguments {
    bool help = false;
    std::vector<std::string> operands;
};

// Reads an option the command knows (its value, if any, from the cursor); false for an unknown one.
using OptionReader = std::function<bool(const std::string& option, ArgumentCursor& cursor)>;

// Walks a command's arguments: "--" ends the options, "-h" or "--help" asks for help (the walk stops
// there), every other argument that looks like an option goes to `readOption` (an unknown one is a usage
// error), and the rest are operands. Negative numbers are operands.
ScannedArguments scanArguments(const std::vector<std::string>& args, const OptionReader& readOption);

}  // namespace zorv::cli
