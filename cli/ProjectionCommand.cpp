#include "cli/ProjectionCommand.h"

#include "app/core/testwindow/ProjectionCurve.h"
#include "cli/CliError.h"
#include "cli/GridOperands.h"
#include "cli/InputChoice.h"
#include "cli/PointTable.h"
#include "cli/RuleBaseLoader.h"
#include "cli/TerminalProgress.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "print the output along one input as CSV";

constexpr std::string_view kHelp =
    R"(Usage: zorv projection FILE.rb --var I [--steps N] [--at X1 ... Xn] [--filter]

Prints the rule base's output along one input variable while the others keep their values, the
points of the test window's projection plot, as CSV: a header line with the names of I and the
output variable, then one line "x,y" per point. With d = (high - low)/N, x takes the N + 1 values
low + i d, the last being high itself. y is the output of the inference and defuzzification (the
crisp Takagi-Sugeno result for a singleton rule base).

As in the test window, N is also the resolution of the smooth defuzzification.

Options:
  --var I            the input variable, by name or by position (1 for the first)
  --steps N          the number of intervals, 1 to 100000 (default 25, as the window opens)
  --at X1 ... Xn     one value per input variable, in the order of the file ("." or "," as the
                     decimal mark); the value of I is not used. Default: the middle of each
                     context. A value outside its context is clamped to it, with a note
  --filter           evaluate through the F-transform filter, fitted first to the rule base's
                     response (201 points per input; a progress bar shows on a terminal). Refused
                     above 50,000,000 inferences, e.g. with the smooth defuzzification
  -h, --help         shows this text

Numbers are printed in the shortest form that reads back to the same value.

Exit status:
  0  printed
  1  the rule base file is wrong, it has no input or no output variable, or the rule base refused
     the evaluation or the filter
  2  the command line cannot be understood (unknown option or variable, a missing value, steps
     out of range, an --at value that is not a number or a wrong number of them), or the file
     cannot be opened

Examples:
  zorv projection examples/heater.rb --var outdoor --at 18 0
  zorv projection examples/fan.rb --var 1 --steps 80 --filter
)";

}  // namespace

ProjectionCommand::ProjectionCommand() : Command("projection", kSummary, kHelp) {}

ProjectionCommand::Arguments ProjectionCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    parsed.operands = GridOperands::scan(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
        if (arg == "--var") {
            parsed.variable = cursor.value(arg);
        } else if (arg == "--steps") {
            parsed.steps = cursor.integer(arg);
        } else if (arg == "--filter") {
            parsed.filter = true;
        } else {
            return false;
        }
        return true;
    });
    if (parsed.variable.empty()) throw CliError::usage("--var I names the input variable");
    if (parsed.steps < 1 || parsed.steps > ProjectionCurve::kMaxSteps) {
        throw CliError::usage("--steps must lie between 1 and 100000");
    }
    return parsed;
}

int ProjectionCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    const auto unit = RuleBaseLoader::load(arguments.operands.file, err);
    if (unit->SuccedentCount() == 0 || unit->AntecedentCount() == 0) {
        throw CliError::badValue(arguments.operands.file + ": a projection needs an input and an output variable");
    }
    const int variable = InputChoice::variable(*unit, arguments.variable);
    const ProjectionCurve curve(*unit, variable, static_cast<int>(arguments.steps),
                                InputChoice::values(*unit, arguments.operands.at, err));
    unit->SetSteps(curve.Steps());
    if (arguments.filter) {
        TerminalProgress progress(err, "F-transform filter");
        unit->RebuildFilter(progress.callback());
    }
    const UnitResponse response = arguments.filter ? UnitResponse::Filtered : UnitResponse::Plain;
    const PointBatch computed = PointTable::compute(*unit, curve.Points(), response, "Projection", err);
    PointTable::write(out, {unit->VariableName(variable), unit->VariableName(-1)}, computed, {variable});
    return kSuccess;
}

}  // namespace zorv::cli
