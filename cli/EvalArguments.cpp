#include "cli/EvalArguments.h"

#include "cli/ArgumentCursor.h"
#include "cli/CliError.h"
#include "cli/InputNumber.h"
#include "cli/JobsOption.h"

namespace zorv::cli {

EvalArguments EvalArguments::parse(const std::vector<std::string>& args) {
    EvalArguments parsed;
    ArgumentCursor cursor(args);
    bool optionsEnded = false;
    while (!cursor.done()) {
        const std::string& arg = cursor.next();
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && looksLikeOption(arg)) {
            parsed.readOption(arg, cursor);
            if (parsed.help) {
                return parsed;
            }
        } else if (parsed.file.empty()) {
            parsed.file = arg;
        } else {
            parsed.inputs.push_back(arg);
        }
    }
    parsed.check();
    return parsed;
}

void EvalArguments::readOption(const std::string& option, ArgumentCursor& cursor) {
    if (option == "-h" || option == "--help") {
        help = true;
    } else if (option == "--infer") {
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
        throw CliError::usage("unknown option '" + option + "'");
    }
}

void EvalArguments::check() const {
    if (file.empty()) {
        throw CliError::usage("no rule base file given");
    }
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
