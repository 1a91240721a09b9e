#include "cli/ExportCommand.h"

#include <filesystem>
#include <optional>

#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/RuleBaseLoader.h"
#include "interchange/ForeignExport.h"
#include "interchange/ForeignNames.h"
#include "rulebase/CRuleBase.h"

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
other methods are refused, and so are rule bases with more than one output variable. Disabled
rules are left out.

c: NAME.c and NAME.h, C99 with no dependency beyond <math.h> and no allocation, holding the
sampled sets and
    int NAME_evaluate(const double *inputs, double *output);
which gives what "zorv eval" gives for every inference and defuzzification method: inputs
outside their contexts are clamped, 0 is returned on success, 1 for an input that is not a
finite number, 2 where the evaluation is refused (the smooth defuzzification over too many
points). Link with -lm. NAME.c includes NAME.h, so NAME may not hold a double quote, a
backslash, an apostrophe, "??" or a control character. The header defines
NAME_EXPORT_ID, a number derived from the content of both files, which NAME.c checks: a source
and a header of different exports do not compile together.

Options:
  --to FORMAT        fll, fis, fcl or c (default: from the extension of OUT)
  -o, --output OUT   the file to write (required)
  --prefix NAME      the prefix of the C identifiers (default: the base name of OUT, made an identifier)
  --force            replace OUT (and NAME.h) when it exists (never FILE.rb)
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

InterchangeFormat formatOf(const std::optional<std::string>& to, const std::string& output) {
    const auto format = to ? InterchangeFormats::FromName(*to) : InterchangeFormats::FromPath(output);
    if (!format) {
        throw CliError::usage(to ? "--to: '" + *to + "' is not fll, fis, fcl or c"
                                 : "no --to given and " + output + " does not end in .fll, .fis, .fcl or .c");
    }
    return *format;
}

}  // namespace

ExportCommand::ExportCommand() : Command("export", kSummary, kHelp) {}

ExportCommand::Arguments ExportCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    std::optional<std::string> to;
    const std::vector<std::string> operands = scanArguments(args, [&](const std::string& arg, ArgumentCursor& cursor) {
        if (arg == "--to") {
            to = cursor.value(arg);
        } else if (arg == "--prefix") {
            parsed.prefix = cursor.value(arg);
        } else {
            return parsed.output.readOption(arg, cursor);
        }
        return true;
    });
    if (operands.size() > 1) throw CliError::usage("unexpected argument '" + operands[1] + "'");
    if (operands.empty()) throw CliError::usage("no rule base given");
    if (parsed.output.path.empty()) throw CliError::usage("no output file given (-o OUT)");
    if (!parsed.prefix.empty() && ForeignNames::Identifier(parsed.prefix, "") != parsed.prefix)
        throw CliError::usage("--prefix: '" + parsed.prefix + "' is not a C identifier");
    parsed.input = operands.front();
    parsed.format = formatOf(to, parsed.output.path);
    return parsed;
}

int ExportCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    const std::string& path = arguments.output.path;
    arguments.output.refuse(path, {arguments.input});
    if (arguments.format == InterchangeFormat::C) {
        const std::string header = ForeignExport::HeaderPath(path);
        if (std::filesystem::path(header) == std::filesystem::path(path)) {
            throw CliError::usage("-o " + path + " would be its own header; name the C source NAME.c");
        }
        if (const auto problem = ForeignExport::HeaderNameProblem(path)) {
            throw CliError::usage("-o: the C source could not include its header by that name: " + *problem);
        }
        arguments.output.refuse(header, {arguments.input});
    }
    const auto unit = RuleBaseLoader::load(arguments.input, err);
    if (arguments.format == InterchangeFormat::C) {
        ForeignExport::WriteC(*unit, path, arguments.prefix);
        out << path << ", " << ForeignExport::HeaderPath(path) << ": "
            << (arguments.prefix.empty() ? ForeignExport::DefaultPrefix(path) : arguments.prefix) << "_evaluate\n";
    } else {
        ForeignExport::WriteText(*unit, arguments.format, path);
        out << path << ": " << InterchangeFormats::Name(arguments.format) << '\n';
    }
    return kSuccess;
}

}  // namespace zorv::cli
