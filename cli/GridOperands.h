#pragma once

#include <string>
#include <vector>

#include "cli/ArgumentScan.h"

namespace zorv::cli {

// The operands of a surface or projection command line: the rule base file, then the input values that
// follow --at ("--at" itself takes no value, so that negative numbers after it read as values).
struct GridOperands {
    std::string file;
    std::vector<std::string> at;

    // Scans the arguments: "--at" here, the command's other options through readOption. A missing file,
    // values without --at and --at without values are usage CliErrors.
    static GridOperands scan(const std::vector<std::string>& args, const OptionReader& readOption);
};

}  // namespace zorv::cli
