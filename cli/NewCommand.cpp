#include "cli/NewCommand.h"

#include <filesystem>
#include <optional>

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "write a new rule base with the default variables and rule";

constexpr std::string_view kHelp =
    R"(Usage: zorv new [--type linguistic|singleton] [--force] -o FILE.rb

Writes a new rule base as the "new rule base" command makes it: an input X and an output Y over
<0, 1> at 301 points, and one rule.
  linguistic (default)  rule "ze" -> "ze"; Perception-based Logical Deduction with Simple DEE
  singleton             Y has linear (constant) consequents; rule "ze" -> "0.5";
                        Takagi-Sugeno inference

Options:
  --type TYPE        linguistic or singleton
  -o, --output FILE  the file to write (required)
  --force            replace FILE when it exists
  -h, --help         shows this text

The file is written through a temporary file renamed over FILE once it is complete.

Exit status:
  0  written
  2  the command line cannot be understood, FILE exists (without --force), or it cannot be written

Example:
  zorv new --type singleton -o my-controller.rb
)";

struct NewArguments {
    bool force = false;
    DescriptionType type = DescriptionType::linguistic;
    std::string output;
};

DescriptionType typeOf(const std::string& text) {
    if (text == "linguistic") {
        return DescriptionType::linguistic;
    }
    if (text == "singleton") {
        return DescriptionType::singleton;
    }
    throw CliError::usage("--type: '" + text + "' is neither linguistic nor singleton");
}

NewArguments parseArguments(const std::vector<std::string>& args) {
    NewArguments parsed;
    const std::vector<std::string> operands =
        scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
            if (arg == "--type") {
                parsed.type = typeOf(cursor.value(arg));
            } else if (arg == "-o" || arg == "--output") {
                parsed.output = cursor.value(arg);
            } else if (arg == "--force") {
                parsed.force = true;
            } else {
                return false;
            }
            return true;
        });
    if (!operands.empty()) {
        throw CliError::usage("unexpected argument '" + operands.front() + "'");
    }
    if (parsed.output.empty()) {
        throw CliError::usage("no output file given (-o FILE.rb)");
    }
    return parsed;
}

}  // namespace

NewCommand::NewCommand() : Command("new", kSummary, kHelp) {}

int NewCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& /*err*/) {
    const NewArguments arguments = parseArguments(args);
    std::error_code error;
    if (!arguments.force && std::filesystem::exists(arguments.output, error)) {
        throw CliError::io(arguments.output + " exists; use --force to replace it");
    }
    CRuleBase::Create(arguments.type)->SaveToFile(arguments.output);
    out << arguments.output << ": new " << DescriptionTypeName(arguments.type) << " rule base\n";
    return kSuccess;
}

}  // namespace zorv::cli
