#include "cli/FTransformSubcommand.h"

#include <cmath>

#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"
#include "cli/DataFileRows.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "ftransform/command/FTransformCommand.h"
#include "ftransform/command/FTransformTextTable.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "fit a data file with the F-transform and show the reconstruction";

constexpr std::string_view kHelp =
    R"(Usage: zorv ftransform FILE.rb DATA.txt [--nodes K | --nodes K1,K2,...]
                       [--shape triangular|quadratic|sinusoidal|fuzzynumber]
                       [--optimize E] [--ftv OUT.ftv]

Does what the F-Transform command of the workbench's data table does: fits the direct F-transform to
the rows of the data file over uniform fuzzy partitions of the rule base's input contexts, and
reconstructs every row with the inverse transform. The rule base only gives the axes: the input
variables' contexts, and the first output variable's context, whose midpoint stands for node
combinations no row reaches.

DATA.txt holds one row per line: the input values in the order of the rule base, then the expected
output, separated by blanks or tabs, "." or "," as the decimal mark. Lines before the first line
that begins with a number are headers; values after the expected one are ignored. Values are
clamped into their contexts before they reach the transform.

Output, one line per data row, the fields separated by tabs:
  X1 ... Xn  EXPECTED  RECONSTRUCTION
then
  Max. Error: E
where E is the largest |EXPECTED - RECONSTRUCTION|. Numbers are exact, in the shortest form that
reads back to the same value (the workbench shows them rounded to three significant digits). A row
that cannot be read shows its cells as they stand and an empty reconstruction.

Options:
  --nodes K            K nodes on every input axis (at least 2; default 10)
  --nodes K1,K2,...    one node count per input variable
  --shape NAME         the basic functions: triangular (default), quadratic, sinusoidal or
                       fuzzynumber
  --optimize E         search the node count (the same on every axis) whose largest error stays
                       below E, by halving between 2 and the number of rows + 2; the count found
                       goes to standard error ("Nodes: K"), and "Maximum number of nodes was
                       exceeded." when even the largest count misses E
  --ftv OUT.ftv        write the components to an FT-Vector file
  -h, --help           shows this text

Exit status:
  0  fitted
  1  the rule base file is wrong or unfit (no input or output variable, an empty context), the
     data file holds no data rows or none that can be read, or it held a line too long to read
     (the rows before it are used)
  2  the command line cannot be understood, the output file is one of the input files,
     or a file cannot be opened or written

Examples:
  zorv ftransform examples/heater.rb examples/heater.txt --nodes 5
  zorv ftransform examples/heater.rb examples/heater.txt --optimize 2 --ftv heater.ftv
)";

// A cell as a machine-read number when it is one, else its text as it stands.
std::string cellText(const std::string& cell) {
    const auto value = NumberText::parseDecimal(cell);
    return value ? NumberText::shortest(*value) : cell;
}

std::vector<FTransformContext> inputContexts(const CRuleBase& unit) {
    std::vector<FTransformContext> contexts;
    for (int k = 0; k < unit.AntecedentCount(); ++k) contexts.push_back({unit.ContextLow(k), unit.ContextHigh(k)});
    return contexts;
}

FTransformContext outputContext(const CRuleBase& unit) {
    return {unit.ContextLow(-1), unit.ContextHigh(-1)};
}

}  // namespace

FTransformSubcommand::FTransformSubcommand() : Command("ftransform", kSummary, kHelp) {}

std::vector<int> FTransformSubcommand::parseNodes(const std::string& text) {
    std::vector<int> nodes;
    std::size_t from = 0;
    for (;;) {
        const std::size_t comma = text.find(',', from);
        const std::string item = text.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
        const auto count = NumberText::parseInteger(item);
        if (!count || *count < 2 || *count > 1'000'000) {
            throw CliError::usage("--nodes: '" + item + "' is not a node count (an integer from 2 to 1000000)");
        }
        nodes.push_back(static_cast<int>(*count));
        if (comma == std::string::npos) return nodes;
        from = comma + 1;
    }
}

BasicFunctionShape FTransformSubcommand::parseShape(const std::string& text) {
    const auto shape = basicFunctionShapeNamed(text);
    if (!shape) {
        throw CliError::usage("--shape: '" + text + "' is not one of triangular, quadratic, sinusoidal, fuzzynumber");
    }
    return *shape;
}

FTransformSubcommand::Arguments FTransformSubcommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const std::vector<std::string> files =
        scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
            if (arg == "--nodes") {
                parsed.nodes = parseNodes(cursor.value(arg));
            } else if (arg == "--shape") {
                parsed.shape = parseShape(cursor.value(arg));
            } else if (arg == "--optimize") {
                parsed.maxError = cursor.real(arg);
            } else if (arg == "--ftv") {
                parsed.ftv = cursor.value(arg);
            } else {
                return false;
            }
            return true;
        });
    if (files.size() != 2) throw CliError::usage("ftransform takes a rule base file and a data file");
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

int FTransformSubcommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    if (arguments.ftv) {
        refuseInputAsOutput(*arguments.ftv, {arguments.ruleBase, arguments.data},
                            "--ftv " + *arguments.ftv + " names an input file; nothing was written");
    }
    const auto unit = RuleBaseLoader::load(arguments.ruleBase, err);
    if (unit->AntecedentCount() == 0)
        throw CliError::badValue(arguments.ruleBase + ": the rule base has no input variable");
    if (unit->SuccedentCount() == 0)
        throw CliError::badValue(arguments.ruleBase + ": the rule base has no output variable");
    const auto inputs = static_cast<std::size_t>(unit->AntecedentCount());
    if (arguments.nodes.size() > 1 && arguments.nodes.size() != inputs) {
        throw CliError::usage("--nodes: the rule base has " + std::to_string(inputs) + " input variable(s), " +
                              std::to_string(arguments.nodes.size()) + " node count(s) given");
    }
    return fit(arguments, *unit, out, err);
}

int FTransformSubcommand::fit(const Arguments& arguments, const CRuleBase& unit, std::ostream& out, std::ostream& err) {
    const int n = unit.AntecedentCount();
    DataFileRows data = DataFileRows::read(arguments.data, n + 1);
    int status = kSuccess;
    if (!data.import.reason.empty()) {
        err << "error: " << arguments.data << ": " << data.import.reason << "; the rows before it were used\n";
        status = kBadInput;
    }
    if (data.rows.empty()) throw CliError::badValue(arguments.data + ": no data rows");
    FTransformTextTable table(n, std::move(data.rows));
    if (!anyReadable(unit, table)) {
        throw CliError::badValue(arguments.data + ": no data row can be read (each holds a value that is not a number)");
    }
    std::vector<PartitionSettings> partitions;
    for (int k = 0; k < n; ++k) {
        PartitionSettings settings = PartitionSettings::forContext(unit.ContextLow(k), unit.ContextHigh(k));
        if (!arguments.nodes.empty())
            settings.nodes = arguments.nodes[arguments.nodes.size() == 1 ? 0 : static_cast<std::size_t>(k)];
        settings.shape = arguments.shape;
        partitions.push_back(settings);
    }
    const FTransformCommand command(inputContexts(unit), outputContext(unit));
    TerminalProgress progress(err, "F-transform");
    const FTransformOutcome outcome = command.run(table, partitions, arguments.maxError, progress.callback());
    progress.clear();
    if (outcome.nodesFound) err << "Nodes: " << *outcome.nodesFound << '\n';
    if (outcome.status != FTransformStatus::Fitted)
        err << statusCaption(outcome.status) << ": " << statusMessage(outcome.status) << '\n';
    out << report(unit, table, *outcome.transform);
    if (arguments.ftv) outcome.transform->writeFTVector(*arguments.ftv);
    return status;
}

// Rows that cannot be read are left out of the fit; with none left there is nothing to fit.
bool FTransformSubcommand::anyReadable(const CRuleBase& unit, const FTransformTextTable& table) {
    const FTransformRowReader reader(inputContexts(unit), outputContext(unit));
    std::vector<double> raw(static_cast<std::size_t>(unit.AntecedentCount()) + 1);
    std::vector<double> point(raw.size());
    for (int row = 0; row < table.rowCount(); ++row) {
        if (reader.read(table, row, raw, point)) return true;
    }
    return false;
}

std::string FTransformSubcommand::report(const CRuleBase& unit, const FTransformTextTable& table,
                                         const TFTransform& transform) {
    const FTransformRowReader reader(inputContexts(unit), outputContext(unit));
    const auto n = static_cast<std::size_t>(unit.AntecedentCount());
    std::vector<double> raw(n + 1);
    std::vector<double> point(n + 1);
    std::string text;
    std::optional<double> largest;
    for (int row = 0; row < table.rowCount(); ++row) {
        const bool readable = reader.read(table, row, raw, point);
        const std::vector<std::string>& cells = table.cells(row);
        for (std::size_t c = 0; c <= n; ++c) text += (c < cells.size() ? cellText(cells[c]) : std::string()) + '\t';
        if (readable) {
            const double reconstruction = transform.inverse(std::span(point.data(), n));
            text += NumberText::shortest(reconstruction);
            largest = std::max(largest.value_or(0.0), std::fabs(raw[n] - reconstruction));
        }
        text += '\n';
    }
    if (largest) text += "Max. Error: " + NumberText::shortest(*largest) + '\n';
    return text;
}

}  // namespace zorv::cli
