#include "cli/CheckCommand.h"

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "cli/RuleBaseSummary.h"
#include "inference/compiled/CompiledRuleBase.h"
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

Warnings go to standard error: a rule count that differs from NumberOfRules, a filter that cannot be
built, and an inference method that does not fit the type (such a rule base loads, but is not
evaluated).

Exit status:
  0  the file was read and compiled
  1  the file is wrong: "FILE:LINE:COLUMN: Syntax error: MESSAGE" on standard error, followed
     by the first line of the text at which reading failed
  2  the command line cannot be understood, or the file cannot be opened

Example:
  zorv check examples/braking.rb
)";

}  // namespace

CheckCommand::CheckCommand() : Command("check", kSummary, kHelp) {}

int CheckCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::vector<std::string> files = scanOperands(args);
    if (files.size() != 1) {
        throw CliError::usage(files.empty() ? "no rule base file given" : "check takes one rule base file");
    }
    const auto unit = RuleBaseLoader::load(files.front(), err);
    if (const auto& refusal = unit->Compiled()->refusal()) err << "warning: " << *refusal << '\n';
    out << RuleBaseSummary::of(*unit);
    return kSuccess;
}

}  // namespace zorv::cli
