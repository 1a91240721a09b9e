#include "cli/ExportCommand.h"

#include <filesystem>
#include <optional>

#include "cli/ArgumentCursor.h"
#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "interchange/EInterchange.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignNames.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/EWrite.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "write a rule base as FIS, FCL or FLL, or as stand-alone C";

constexpr std::string_view kHelp =
    R"(Usage: zorv export FILE.rb --to fll|fis|fcl -o OUT [--force]
       zorv export FILE.rb --to c -o NAME.c [--prefix NAME] [--force]

fll, fis, fcl: the rule base in the format of other fuzzy tools. Every distinct rule cell is
written as the points of its sampled set, so that hedged and signed expressions keep their
exact sampled meaning; a cell that names a user term is written as that term (with a comment
stating its shape, which "zorv import" reads back), "not TERM" as the negation, "undef" by
leaving the input out of the rule. Exported are Fuzzy Approximation (DNF) with Minimum, Product
or Lukasiewicz together with Simple Center Of Gravity (COG), and the Takagi-Sugeno inference;
other methods are refused. Disabled rules are left out.

c: NAME.c and NAME.h, C99 with no dependency beyond <math.h> and no allocation, holding the
sampled sets and
    int NAME_evaluate(const double *inputs, double *output);
which gives what "zorv eval" gives for every inference and defuzzification method: inputs
outside their contexts are clamped, 0 is returned on success, 1 for an input that is not a
finite number, 2 where the evaluation is refused (the smooth defuzzification over too many
points). Link with -lm.

Options:
  --to FORMAT        fll, fis, fcl or c (default: from the extension of OUT)
  -o, --output OUT   the file to write (required)
  --prefix NAME      the prefix of the C identifiers (default: the base name of OUT)
  --force            replace OUT (and NAME.h) when it exists
  -h, --help         shows this text

Exit status:
  0  written
  1  the rule base file is wrong, or its method cannot be expressed in the format
  2  the command line cannot be understood, a file cannot be read, OUT exists (without
     --force) or cannot be written

Examples:
  zorv export tipper.rb --to fll -o tipper.fll
  zorv export examples/heater.rb --to c -o heater.c
)";

struct ExportArguments {
    bool help = false;
    bool force = false;
    std::string input;
    std::string output;
    std::optional<std::string> to;
    std::string prefix;
};

ExportArguments parseArguments(const std::vector<std::string>& args) {
    ExportArguments parsed;
    ArgumentCursor cursor(args);
    while (!cursor.done()) {
        const std::string& arg = cursor.next();
        if (arg == "-h" || arg == "--help") {
            parsed.help = true;
            return parsed;
        }
        if (arg == "-o" || arg == "--output") {
            parsed.output = cursor.value(arg);
        } else if (arg == "--to") {
            parsed.to = cursor.value(arg);
        } else if (arg == "--prefix") {
            parsed.prefix = cursor.value(arg);
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
    if (parsed.input.empty()) throw CliError::usage("no rule base given");
    if (parsed.output.empty()) throw CliError::usage("no output file given (-o OUT)");
    if (!parsed.prefix.empty() && ForeignNames::Identifier(parsed.prefix, "") != parsed.prefix)
        throw CliError::usage("--prefix: '" + parsed.prefix + "' is not a C identifier");
    return parsed;
}

InterchangeFormat formatOf(const ExportArguments& arguments) {
    const auto format = arguments.to ? InterchangeFormats::FromName(*arguments.to)
                                     : InterchangeFormats::FromPath(arguments.output);
    if (!format) {
        throw CliError::usage(arguments.to ? "--to: '" + *arguments.to + "' is not fll, fis, fcl or c"
                                           : "no --to given and " + arguments.output + " does not end in .fll, .fis, .fcl or .c");
    }
    return *format;
}

void refuseExisting(const std::string& path, bool force) {
    std::error_code error;
    if (!force && std::filesystem::exists(path, error)) throw CliError(kUsage, path + " exists; use --force to replace it");
}

}  // namespace

std::string_view ExportCommand::summary() const { return kSummary; }
std::string_view ExportCommand::help() const { return kHelp; }

int ExportCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const ExportArguments arguments = parseArguments(args);
        if (arguments.help) {
            out << kHelp;
            return kSuccess;
        }
        const InterchangeFormat format = formatOf(arguments);
        refuseExisting(arguments.output, arguments.force);
        if (format == InterchangeFormat::C) refuseExisting(ForeignExport::HeaderPath(arguments.output), arguments.force);
        const auto unit = RuleBaseLoader::load(arguments.input, err);
        if (format == InterchangeFormat::C) {
            ForeignExport::WriteC(*unit, arguments.output, arguments.prefix);
            out << arguments.output << ", " << ForeignExport::HeaderPath(arguments.output) << ": "
                << (arguments.prefix.empty() ? ForeignExport::DefaultPrefix(arguments.output) : arguments.prefix)
                << "_evaluate\n";
        } else {
            ForeignExport::WriteText(*unit, format, arguments.output);
            out << arguments.output << ": " << InterchangeFormats::Name(format) << '\n';
        }
        return kSuccess;
    } catch (const RuleBaseSyntaxError& error) {
        err << error.what() << '\n';
        return error.code();
    } catch (const CliError& error) {
        err << "error: " << error.what() << '\n';
        if (error.code() == kUsage) err << "Try 'zorv export --help'.\n";
        return error.code();
    } catch (const EInterchange& refused) {
        for (const std::string& message : refused.messages()) err << "error: " << message << '\n';
        return kBadInput;
    } catch (const EWrite& error) {
        err << "error: cannot write: " << error.what() << '\n';
        return kUsage;
    }
}

}  // namespace zorv::cli
