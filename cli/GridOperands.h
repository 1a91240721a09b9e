#pragma once

#include <string>
#include <vector>

namespace zorv::cli {

// The operands of a surface or projection command line: the rule base file, then the input values that
// follow --at ("--at" itself takes no value, so that negative numbers after it read as values).
struct GridOperands {
    std::string file;
    std::vector<std::string> at;

    // atGiven: whether --at stood on the line. A missing file, values without --at and --at without values
    // are usage CliErrors.
    static GridOperands split(const std::vector<std::string>& operands, bool atGiven);
};

}  // namespace zorv::cli
