#include "cli/ArgumentScan.h"

#include "cli/CliError.h"
#include "cli/InputNumber.h"

namespace zorv::cli {

std::vector<std::string> scanArguments(const std::vector<std::string>& args, const OptionReader& readOption) {
    std::vector<std::string> operands;
    ArgumentCursor cursor(args);
    bool optionsEnded = false;
    while (!cursor.done()) {
        const std::string& arg = cursor.next();
        if (optionsEnded || !looksLikeOption(arg)) {
            operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (!readOption(arg, cursor)) {
            throw CliError::usage(std::string("unknown option '").append(arg).append("'"));
        }
    }
    return operands;
}

std::vector<std::string> scanOperands(const std::vector<std::string>& args) {
    return scanArguments(args, [](const std::string&, ArgumentCursor&) { return false; });
}

}  // namespace zorv::cli
