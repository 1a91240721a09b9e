#include "cli/ImportCommand.h"

#include <filesystem>

#include "cli/ArgumentCursor.h"
#include "cli/CliError.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignImport.h"
#include "rulebase/EWrite.h"

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

Anything else (other shapes, rule weights, hedges, several outputs, other operators) is refused
with one message per problem, "FILE:LINE: ...", unless --approximate replaces each one by the
nearest representable thing; the replacements are listed as notes on standard error.

Options:
  -o, --output OUT   the rule base to write (required)
  --approximate      replace what has no counterpart instead of refusing the file
  --force            replace OUT when it exists
  -h, --help         shows this text

Exit status:
  0  imported (notes on standard error)
  1  the file was refused: one "error: FILE:LINE: ..." line per problem
  2  the command line cannot be understood, the file cannot be read, OUT exists (without
     --force) or cannot be written

Example:
  zorv import tipper.fis -o tipper.rb
)";

struct ImportArguments {
    bool help = false;
    bool force = false;
    bool approximate = false;
    std::string input;
    std::string output;
};

ImportArguments parseArguments(const std::vector<std::string>& args) {
    ImportArguments parsed;
    ArgumentCursor cursor(args);
    while (!cursor.done()) {
        const std::string& arg = cursor.next();
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (arg == "-o" || arg == "--output") {
            parsed.output = cursor.value(arg);
        } else if (arg == "--approximate") {
            parsed.approximate = true;
        } else if (arg == "--force") {
            parsed.force = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw CliError::usage("unknown option '" + arg + "'");
        } else if (parsed.input.empty()) {
            parsed.input = arg;
        } else {
            throw CliError::usage("unexpected argument '" + arg + "'");
        }
    }
    if (parsed.input.empty()) throw CliError::usage("no file to import given");
    if (parsed.output.empty()) throw CliError::usage("no output file given (-o OUT.rb)");
    return parsed;
}

int usageError(std::ostream& err, const std::string& message) {
    err << "error: " << message << "\nTry 'zorv import --help'.\n";
    return kUsage;
}

}  // namespace

std::string_view ImportCommand::summary() const { return kSummary; }
std::string_view ImportCommand::help() const { return kHelp; }

int ImportCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const ImportArguments arguments = parseArguments(args);
        if (arguments.help) {
            out << kHelp;
            return kSuccess;
        }
        std::error_code error;
        if (!arguments.force && std::filesystem::exists(arguments.output, error))
            throw CliError(kUsage, arguments.output + " exists; use --force to replace it");
        const ImportOutcome outcome = ForeignImport::FromFile(arguments.input, {arguments.approximate});
        for (const std::string& note : outcome.notes) err << "note: " << note << '\n';
        outcome.unit->SaveToFile(arguments.output);
        out << arguments.output << ": " << outcome.unit->RuleCount() << " rules, "
            << DescriptionTypeName(outcome.unit->descriptionType()) << ", "
            << outcome.unit->InferenceMethod().displayName << '\n';
        return kSuccess;
    } catch (const CliError& error) {
        if (error.code() == kUsage) return usageError(err, error.what());
        err << "error: " << error.what() << '\n';
        return error.code();
    } catch (const EInterchangeFile& error) {
        err << "error: " << error.what() << '\n';
        return kUsage;
    } catch (const EInterchange& refused) {
        for (const std::string& message : refused.messages()) err << "error: " << message << '\n';
        return kBadInput;
    } catch (const EWrite& error) {
        err << "error: cannot write: " << error.what() << '\n';
        return kUsage;
    }
}

}  // namespace zorv::cli
