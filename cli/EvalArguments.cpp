#include "cli/EvalArguments.h"

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/JobsOption.h"

namespace zorv::cli {

EvalArguments EvalArguments::parse(const std::vector<std::string>& args) {
    EvalArguments parsed;
    std::vector<std::string> operands =
        scanArguments(args, [&parsed](const std::string& option, ArgumentCursor& cursor) {
            return parsed.readOption(option, cursor);
        });
    if (operands.empty()) throw CliError::usage("no rule base file given");
    parsed.file = operands.front();
    parsed.inputs.assign(std::make_move_iterator(operands.begin() + 1), std::make_move_iterator(operands.end()));
    parsed.check();
    return parsed;
}

bool EvalArguments::readOption(const std::string& option, ArgumentCursor& cursor) {
    if (option == "--infer") {
        infer = cursor.value(option);
    } else if (option == "--defuzz") {
        defuzz = cursor.value(option);
    } else if (option == "--batch") {
        batch = cursor.value(option);
    } else if (option == "--fired") {
        fired = true;
    } else if (option == "--conclusion") {
        conclusion = true;
    } else if (option == "--filter") {
        filter = true;
    } else if (option == "--jobs" || option == "-j") {
        jobs = readJobs(cursor, option);
    } else {
        return false;
    }
    return true;
}

void EvalArguments::check() const {
    if (batch && !inputs.empty()) {
        throw CliError::usage("input values and --batch exclude each other");
    }
    if (batch && (fired || conclusion)) {
        throw CliError::usage("--fired and --conclusion do not apply to --batch");
    }
    if (!batch && jobs != 0) {
        throw CliError::usage("--jobs applies to --batch only");
    }
}

}  // namespace zorv::cli
