#include "cli/ArgumentScan.h"

#include "cli/CliError.h"
#include "cli/InputNumber.h"

namespace zorv::cli {

ScannedArguments scanArguments(const std::vector<std::string>& args, const OptionReader& readOption) {
    ScannedArguments scanned;
    ArgumentCursor cursor(args);
    bool optionsEnded = false;
    while (!cursor.done()) {
        const std::string& arg = cursor.next();
        if (optionsEnded || !looksLikeOption(arg)) {
            scanned.operands.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            scanned.help = true;
            return scanned;
        } else if (!readOption(arg, cursor)) {
            throw CliError::usage(std::string("unknown option '").append(arg).append("'"));
        }
    }
    return scanned;
}

}  // namespace zorv::cli
