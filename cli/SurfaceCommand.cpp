#include "cli/SurfaceCommand.h"

#include "app/core/surface/SurfaceGrid.h"
#include "cli/CliError.h"
#include "cli/GridOperands.h"
#include "cli/InputChoice.h"
#include "cli/PointTable.h"
#include "cli/RuleBaseLoader.h"
#include "rulebase/CRuleBase.h"

namespace zorv::cli {

namespace {

constexpr std::string_view kSummary = "print the output over a grid of two inputs as CSV";

constexpr std::string_view kHelp =
    R"(Usage: zorv surface FILE.rb --vars I J [--steps N] [--smooth-steps S] [--at X1 ... Xn]

Prints the rule base's output over a grid of two input variables, the points the surface window of
the workbench draws, as CSV: a header line with the names of I, J and the output variable, then one
line "x1,x2,y" per point. I runs over its context in N values low + i (high - low)/(N - 1), fastest;
J likewise; every other input keeps its value from --at. y is the output of the inference and
defuzzification (the crisp Takagi-Sugeno result for a singleton rule base).

Options:
  --vars I J         the two input variables, each by name or by position (1 for the first)
  --steps N          values per input variable, 2 to 1000 (default 10; the window offers 10 to 70)
  --smooth-steps S   the resolution of the smooth defuzzification, which the test window takes
                     from its Steps field (default 25, as the window opens; at least 1)
  --at X1 ... Xn     one value per input variable, in the order of the file ("." or "," as the
                     decimal mark); the values of I and J are not used. Default: the middle of
                     each context. A value outside its context is clamped to it, with a note
  -h, --help         shows this text

Numbers are printed in the shortest form that reads back to the same value.

Exit status:
  0  printed
  1  the rule base file is wrong, it has fewer than two input variables or no output variable,
     or the rule base refused the evaluation
  2  the command line cannot be understood (unknown option or variable, a missing value, steps
     out of range, an --at value that is not a number or a wrong number of them), or the file
     cannot be opened

Examples:
  zorv surface examples/heater.rb --vars indoor outdoor --steps 40
  zorv surface examples/fan.rb --vars 2 1
)";

}  // namespace

SurfaceCommand::SurfaceCommand() : Command("surface", kSummary, kHelp) {}

SurfaceCommand::Arguments SurfaceCommand::parse(const std::vector<std::string>& args) {
    Arguments parsed;
    parsed.operands = GridOperands::scan(args, [&parsed](const std::string& arg, ArgumentCursor& cursor) {
        if (arg == "--vars") {
            parsed.variables = {cursor.value(arg), cursor.value(arg)};
        } else if (arg == "--steps") {
            parsed.steps = cursor.integer(arg);
        } else if (arg == "--smooth-steps") {
            parsed.smoothSteps = cursor.integer(arg);
        } else {
            return false;
        }
        return true;
    });
    if (parsed.variables.empty()) throw CliError::usage("--vars I J names the two input variables");
    if (parsed.steps < SurfaceGrid::kMinSteps || parsed.steps > SurfaceGrid::kMaxSteps) {
        throw CliError::usage("--steps must lie between 2 and 1000");
    }
    if (parsed.smoothSteps < 1 || parsed.smoothSteps > 1'000'000) {
        throw CliError::usage("--smooth-steps must lie between 1 and 1000000");
    }
    return parsed;
}

int SurfaceCommand::execute(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Arguments arguments = parse(args);
    const auto unit = RuleBaseLoader::load(arguments.operands.file, err);
    if (unit->SuccedentCount() == 0 || unit->AntecedentCount() < 2) {
        throw CliError::badValue(arguments.operands.file +
                                 ": a surface needs two input variables and an output variable");
    }
    const int first = InputChoice::variable(*unit, arguments.variables[0]);
    const int second = InputChoice::variable(*unit, arguments.variables[1]);
    if (first == second) throw CliError::usage("--vars names the same input variable twice");
    unit->SetSteps(static_cast<int>(arguments.smoothSteps));
    const SurfaceGrid grid(*unit, first, second, static_cast<int>(arguments.steps),
                           InputChoice::values(*unit, arguments.operands.at, err));
    const PointBatch computed = PointTable::compute(*unit, grid.Points(), UnitResponse::Plain, "Surface", err);
    PointTable::write(out, {unit->VariableName(first), unit->VariableName(second), unit->VariableName(-1)},
                      computed, {first, second});
    return kSuccess;
}

}  // namespace zorv::cli
