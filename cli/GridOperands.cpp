#include "cli/GridOperands.h"

#include "cli/CliError.h"

namespace zorv::cli {

GridOperands GridOperands::scan(const std::vector<std::string>& args, const OptionReader& readOption) {
    bool atGiven = false;
    std::vector<std::string> operands = scanArguments(args, [&](const std::string& arg, ArgumentCursor& cursor) {
        if (arg != "--at") return readOption(arg, cursor);
        atGiven = true;
        return true;
    });
    if (operands.empty()) throw CliError::usage("no rule base file given");
    GridOperands split{operands.front(), std::vector<std::string>(operands.begin() + 1, operands.end())};
    if (!atGiven && !split.at.empty()) throw CliError::usage("unexpected argument '" + split.at.front() + "'");
    if (atGiven && split.at.empty()) throw CliError::usage("--at needs one value per input variable");
    return split;
}

}  // namespace zorv::cli
