#include "cli/ComputeCommand.h"

#include <cmath>

#include "app/core/DataNumberFormat.h"
#include "app/core/DataTable.h"
#include "app/core/RuleBaseDataSource.h"
#include "cli/ArgumentCursor.h"
#include "cli/ArgumentScan.h"
#include "cli/CliError.h"
#include "cli/InputNumber.h"
#include "cli/JobsOption.h"
#include "cli/NumberText.h"
#include "cli/RuleBaseLoader.h"
#include "rulebase/CRuleBase.h"

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
  1  the rule base file is wrong, or a row holds an input that is not a number (the rows
     before it are printed, "error: ..." names the row), or the file held a line too long
     to read (the rows before it are computed)
  2  the command line cannot be understood, or a file cannot be opened or written

Examples:
  zorv compute examples/heater.rb examples/heater.txt
  zorv compute examples/braking.rb examples/braking.txt --ling-approx -o braking.out
)";

int reportError(std::ostream& err, const CliError& error) {
    err << "error: " << error.what() << '\n';
    if (error.code() == kUsage) {
        err << "Try 'zorv compute --help'.\n";
    }
    return error.code();
}

// A cell as a machine-read number when it is one, else its text as it stands.
std::string cellText(const std::string& cell) {
    const auto value = DataNumberFormat::ParseCell(cell);
    return value ? shortestText(*value) : cell;
}

}  // namespace

std::string_view ComputeCommand::summary() const { return kSummary; }
std::string_view ComputeCommand::help() const { return kHelp; }

ComputeCommand::Arguments ComputeCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    const ScannedArguments scanned = scanArguments(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
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
    parsed.help = scanned.help;
    if (parsed.help) return parsed;
    const std::vector<std::string>& files = scanned.operands;
    if (files.size() != 2) {
        throw CliError::usage("compute takes a rule base file and a data file");
    }
    parsed.ruleBase = files[0];
    parsed.data = files[1];
    return parsed;
}

int ComputeCommand::run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        const Arguments arguments = parse(args);
        if (arguments.help) {
            out << kHelp;
            return kSuccess;
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
    } catch (const RuleBaseSyntaxError& error) {
        err << error.what() << '\n';
        return error.code();
    } catch (const CliError& error) {
        return reportError(err, error);
    }
}

bool ComputeCommand::importData(const Arguments& arguments, DataTable& table, std::ostream& err) {
    const DataImportResult imported = table.Import(arguments.data);
    if (!imported.Imported()) {
        throw CliError::usage(imported.reason);
    }
    err << arguments.data << ": " << imported.Message() << '\n';
    if (!imported.reason.empty()) {
        err << "error: " << arguments.data << ": " << imported.reason << '\n';
    }
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
        text += cellText(grid.Cell(row, layout.ExpectedColumn())) + '\t' + shortestText(computed);
        if (layout.LingApprox()) {
            text += '\t' + grid.Cell(row, layout.LingApproxColumn());
        }
        text += '\n';
        const auto expected = DataNumberFormat::ParseCell(grid.Cell(row, layout.ExpectedColumn()));
        errorKnown = errorKnown && expected && std::isfinite(computed);
        largest = errorKnown ? std::max(largest, std::fabs(*expected - computed)) : largest;
    }
    if (errorKnown && result.RowsComputed() > 0) {
        text += "Max. Error: " + shortestText(largest) + '\n';
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
