#include "cli/ArgumentScan.h"

#include "cli/CliError.h"

namespace zorv::cli {

bool looksLikeOption(std::string_view arg) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (arg.size() < 2 || arg.front() != '-') {
        return false;
    }
    const bool number = isDigit(arg[1]) || ((arg[1] == '.' || arg[1] == ',') && arg.size() > 2 && isDigit(arg[2]));
    return !number;
}

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
