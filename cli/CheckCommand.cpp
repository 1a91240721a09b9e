#include "cli/CheckCommand.h"

#include "cli/CliError.h"
#include "cli/InputNumber.h"
#include "cli/RuleBaseLoader.h"
#include "cli/RuleBaseSummary.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "read and compile a rule base file and summarise it";

constexpr std::string_view kHelp =
    R"(Usage: zorv check FILE.rb

Reads the rule base file, compiles every rule expression and prints a summary:

  type: linguistic | takagi_sugeno | singleton
  inference: <display name of the inference method>
  defuzzification: <display name of the defuzzification method>
  fuzzy transform filter: on | off
  input K: NAME          (one block per input variable, then "output K:" per output)
    settings: linguistic | triang | linc, or alias(OWNER), KIND for a shared vocabulary
    context: <LOW, HIGH>
    discretization: N
    lingparams: A B C D  (linguistic vocabularies)
    user term: NAME = SHAPE P1 ... Pk   (one line per user term)
  rules: R (D disabled)

A warning of the reader (a rule count that differs from NumberOfRules) goes to standard error.

Exit status:
  0  the file was read and compiled
  1  the file is wrong: "FILE: Syntax error: MESSAGE" on standard error, followed by the first
     line of the text at which reading failed
  2  the command line cannot be understood, or the file cannot be opened

Example:
  zorv check examples/braking.rb
)";

int reportError(std::ostream& err, const CliError& error) {
    err << "error: " << error.what() << '\n';
    if (error.code() == kUsage) {
        err << "Try 'zorv check --help'.\n";
    }
    return error.code();
}

std::string fileArgument(const std::vector<std::string>& args) {
    std::string file;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && looksLikeOption(arg)) {
            throw CliError::usage("unknown option '" + arg + "'");
        } else if (!file.empty()) {
            throw CliError::usage("check takes one rule base file");
        } else {
            file = arg;
        }
    }
    if (file.empty()) {
        throw CliError::usage("no rule base file given");
    }
    return file;
}

}  // namespace

std::string_view CheckCommand::summary() const { return kSummary; }
std::string_view CheckCommand::help() const { return kHelp; }

int CheckCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        out << kHelp;
        return kSuccess;
    }
    try {
        const std::string file = fileArgument(args);
        const auto unit = RuleBaseLoader::load(file, err);
        out << RuleBaseSummary::of(*unit);
        return kSuccess;
    } catch (const RuleBaseSyntaxError& error) {
        err << error.what() << '\n';
        return error.code();
    } catch (const CliError& error) {
        return reportError(err, error);
    }
}

}  // namespace zorv::cli
