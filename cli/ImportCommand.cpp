#include "cli/ImportCommand.h"

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "interchange/ForeignImport.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "read a FIS, FCL or FLL file of another fuzzy tool as a rule base";

constexpr std::string_view kHelp =
    R"(Usage: zorv import FILE.fis|FILE.fcl|FILE.fll -o OUT.rb [--approximate] [--force]

Reads a fuzzy system written by another tool (format from the extension) and writes it as a
rule base, exactly where the meanings match:
  Mamdani, and = min, or = max, aggregation max, centroid
      -> Fuzzy Approximation (DNF) with Minimum (implication min), Product (implication prod)
         or Lukasiewicz (implication bounded difference), Simple Center Of Gravity (COG)
  Sugeno, and = min, weighted average
      -> Takagi-Sugeno inference: TS-Singleton for constant outputs, takagi_sugeno for linear ones
  triangle, trapezoid, Gaussian (and Gaussian product) terms -> user terms of those shapes;
  not -> the negation; an input a rule leaves out, or "any" -> undef; ranges -> contexts.
A Mamdani rule whose antecedent holds "or" becomes one rule per disjunct. Each variable gets the
smallest grid of 301 to 6001 points (1001 or more with Gaussian terms) on which every breakpoint
of its terms lies.

Anything else (other shapes, rule weights, hedges, a negated conclusion, several outputs, other
operators, an output that keeps its previous value, a variable without a range) is refused with
one message per problem, "FILE:LINE: ...", unless --approximate replaces each one by the
nearest representable thing; the replacements are listed as notes on standard error.

Options:
  -o, --output OUT   the rule base to write (required)
  --approximate      replace what has no counterpart instead of refusing the file
  --force            replace OUT when it exists (never the file imported)
  -h, --help         shows this text

Exit status:
  0  imported (notes on standard error)
  1  the file was refused: one "error: FILE:LINE: ..." line per problem
  2  the command line cannot be understood, the file cannot be read, OUT exists (without
     --force) or cannot be written

Example:
  zorv import tipper.fis -o tipper.rb
)";

}  // namespace

ImportCommand::ImportCommand() : Command("import", kSummary, kHelp) {}

ImportCommand::Arguments ImportCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const auto readOption = [&parsed](const std::string& arg, ArgumentCursor& cursor) {
        if (arg != "--approximate") return parsed.output.readOption(arg, cursor);
        parsed.approximate = true;
        return true;
    };
    const std::vector<std::string> operands = scanArguments(args, readOption);
    if (operands.size() > 1) throw CliError::usage("unexpected argument '" + operands[1] + "'");
    if (operands.empty()) throw CliError::usage("no file to import given");
    if (parsed.output.path.empty()) throw CliError::usage("no output file given (-o OUT.rb)");
    parsed.input = operands.front();
    return parsed;
}

int ImportCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    arguments.output.refuse(arguments.output.path, {arguments.input});
    const ImportOutcome outcome = read(arguments);
    for (const std::string& note : outcome.notes) err << "note: " << note << '\n';
    outcome.unit->SaveToFile(arguments.output.path);
    out << arguments.output.path << ": " << outcome.unit->RuleCount() << " rules, "
        << DescriptionTypeName(outcome.unit->descriptionType()) << ", "
        << outcome.unit->InferenceMethod().displayName << '\n';
    return kSuccess;
}

ImportOutcome ImportCommand::read(const Arguments& arguments) {
    try {
        return ForeignImport::FromFile(arguments.input, {arguments.approximate});
    } catch (const EInterchangeFile& error) {
        throw CliError::io(error.what());
    }
}

}  // namespace zorv::cli
