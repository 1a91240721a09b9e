#include "cli/ComputeCommand.h"

#include <cmath>

#include "app/core/data/DataTable.h"
#include "app/core/data/RuleBaseDataSource.h"
#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/CommandFiles.h"
#include "cli/JobsOption.h"
#include "cli/RuleBaseLoader.h"
#include "rulebase/CRuleBase.h"
#include "text/NumberText.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "import a data file, compute every row, show the largest error";

constexpr std::string_view kHelp =
    R"(Usage: zorv compute FILE.rb DATA.txt [-o OUT.out] [--ling-approx] [--jobs N]

Does what the data table of the workbench does with a data file: imports its rows, evaluates the
rule base on each and compares the result with the expected value.

DATA.txt holds one row per line: the input values in the order of the rule base, then the
expected output value, separated by blanks or tabs, "." or "," as the decimal mark. Lines before
the first line that begins with a number are headers; values after the expected one are ignored.
Input values outside their context are clamped to it. An output file written by -o imports again.

Output, one line per computed row, the fields separated by tabs:
  X1 ... Xn  EXPECTED  COMPUTED  [TYPICAL EXPRESSION]
then
  Max. Error: E
where E is the largest |EXPECTED - COMPUTED| over the rows. COMPUTED and E are exact values in the
shortest form that reads back to the same number; the table itself (and the -o file) shows results
rounded to three significant digits, as the workbench does. The number of imported rows goes to
standard error.

Options:
  -o, --output OUT.out  also write the table as an output file: tab-separated cells with "," as
                        the decimal mark, the variable names and contexts in two header lines
  --ling-approx         add the typical expression of each result (linguistic rule bases)
  -j, --jobs N          evaluate the rows on N threads (default: every core); the output is the
                        same for any N
  -h, --help            shows this text

Exit status:
  0  every row was computed
  1  the rule base file is wrong, the data file holds no data rows, a row holds an input
     that is not a number (the rows before it are printed, "error: ..." names the row), or
     the file held a line too long to read (the rows before it are computed)
  2  the command line cannot be understood, the output file is one of the input files,
     or a file cannot be opened or written

Examples:
  zorv compute examples/heater.rb examples/heater.txt
  zorv compute examples/braking.rb examples/braking.txt --ling-approx -o braking.out
)";

// A cell as a machine-read number when it is one, else its text as it stands.
std::string cellText(const std::string& cell) {
    const auto value = NumberText::parseDecimal(cell);
    return value ? NumberText::shortest(*value) : cell;
}

}  // namespace

ComputeCommand::ComputeCommand() : Command("compute", kSummary, kHelp) {}

ComputeCommand::Arguments ComputeCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const std::vector<std::string> files =
        scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
            if (arg == "-o" || arg == "--output") {
                parsed.output = cursor.value(arg);
            } else if (arg == "--ling-approx") {
                parsed.lingApprox = true;
            } else if (arg == "-j" || arg == "--jobs") {
                parsed.jobs = readJobs(cursor, arg);
            } else {
                return false;
            }
            return true;
        });
    if (files.size() != 2) {
        throw CliError::usage("compute takes a rule base file and a data file");
    }
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

int ComputeCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    if (arguments.output) {
        refuseInputAsOutput(*arguments.output, {arguments.ruleBase, arguments.data},
                            "-o " + *arguments.output + " names an input file; nothing was written");
    }
    const auto unit = RuleBaseLoader::load(arguments.ruleBase, err);
    if (unit->SuccedentCount() == 0) {
        throw CliError::badValue(arguments.ruleBase + ": the rule base has no output variable");
    }
    if (const auto& refusal = unit->Compiled()->refusal()) {
        throw CliError::badValue(arguments.ruleBase + ": " + *refusal);
    }
    DataTable table(RuleBaseDataSource::LayoutOf(*unit, arguments.lingApprox));
    const bool complete = importData(arguments, table, err);
    RuleBaseDataSource source(*unit, arguments.jobs);
    const DataComputeResult result = table.Compute(source);
    out << report(table, result);
    out.flush();
    const int status = finish(arguments, table, result, err);
    return status == kSuccess && !complete ? kBadInput : status;
}

bool ComputeCommand::importData(const Arguments& arguments, DataTable& table, std::ostream& err) {
    requireReadableFile(arguments.data);
    const DataImportResult imported = table.Import(arguments.data);
    if (!imported.Imported()) {
        throw CliError::io(imported.reason);
    }
    err << arguments.data << ": " << imported.Message() << '\n';
    if (!imported.reason.empty()) {
        err << "error: " << arguments.data << ": " << imported.reason << '\n';
    }
    if (imported.rows == 0) throw CliError::badValue(arguments.data + ": no data rows");
    return imported.status == DataImportResult::Status::kComplete;
}

std::string ComputeCommand::report(const DataTable& table, const DataComputeResult& result) {
    const DataTableLayout& layout = table.Layout();
    const DataGrid& grid = table.Grid();
    std::string text;
    double largest = 0.0;
    bool errorKnown = true;
    for (int i = 0; i < result.RowsComputed(); ++i) {
        const int row = DataGrid::kHeaderRows + i;
        for (int k = 0; k < layout.InputCount(); ++k) {
            text += cellText(grid.Cell(row, layout.InputColumn(k))) + '\t';
        }
        const double computed = result.values[static_cast<std::size_t>(i)];
        text += cellText(grid.Cell(row, layout.ExpectedColumn())) + '\t' + NumberText::shortest(computed);
        if (layout.LingApprox()) {
            text += '\t' + grid.Cell(row, layout.LingApproxColumn());
        }
        text += '\n';
        const auto expected = NumberText::parseDecimal(grid.Cell(row, layout.ExpectedColumn()));
        errorKnown = errorKnown && expected && std::isfinite(computed);
        largest = errorKnown ? std::max(largest, std::fabs(*expected - computed)) : largest;
    }
    if (errorKnown && result.RowsComputed() > 0) {
        text += "Max. Error: " + NumberText::shortest(largest) + '\n';
    }
    return text;
}

int ComputeCommand::finish(const Arguments& arguments, const DataTable& table, const DataComputeResult& result,
                           std::ostream& err) {
    if (arguments.output) {
        if (const auto problem = table.SaveOutput(*arguments.output)) {
            err << "error: " << *problem << '\n';
            return kUsage;
        }
    }
    if (result.stoppedAtRow) {
        err << "error: " << arguments.data << ": row " << (*result.stoppedAtRow - DataGrid::kHeaderRows + 1) << ": "
            << result.stopReason << "; the computation stopped there\n";
        return kBadInput;
    }
    if (result.RowsComputed() > 0 && !result.maxError) {
        err << "note: no Max. Error: " << result.maxErrorProblem << '\n';
    }
    return kSuccess;
}

}  // namespace zorv::cli
