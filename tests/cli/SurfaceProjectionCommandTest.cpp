// "zorv surface" and "zorv projection": the CSV they print agrees with the workbench's own computation.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "app/core/evaluation/BatchRunner.h"
#include "app/core/testwindow/ProjectionCurve.h"
#include "app/core/surface/SurfaceGrid.h"
#include "cli/ExitCode.h"
#include "cli/PointTable.h"
#include "rulebase/CRuleBase.h"
#include "tests/support/CliTestSupport.h"
#include "text/NumberText.h"

namespace zorv::cli {
namespace {

using test::example;
using test::linesOf;
using test::runZorv;

// The CSV lines the workbench's own computation gives for a batch, columns as the commands print them.
std::vector<std::string> expectedRows(CRuleBase& unit, PointBatch points, UnitResponse response,
                                      std::vector<int> columns) {
    BatchRun run(std::move(points));
    BatchRunner::Run(run, UnitEvaluatorSource(unit, response));
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < run.Total(); ++i) {
        std::string row;
        for (const int c : columns) row += NumberText::shortest(run.Batch().Point(i)[static_cast<std::size_t>(c)]) + ",";
        rows.push_back(row + NumberText::shortest(run.Batch().Output(i)));
    }
    return rows;
}

TEST(SurfaceCommand, PrintsTheGridTheSurfaceWindowComputes) {
    const auto unit = CRuleBase::Load(example("fan.rb"));
    unit->SetSteps(25);
    const SurfaceGrid grid(*unit, 1, 0, 12, {45, 70});
    std::vector<std::string> expected = {"load,temperature,fan_speed"};
    for (const std::string& row : expectedRows(*unit, grid.Points(), UnitResponse::Plain, {1, 0})) expected.push_back(row);

    const auto byName = runZorv({"surface", example("fan.rb"), "--vars", "load", "temperature", "--steps", "12", "--at",
                                 "45", "70"});
    ASSERT_EQ(byName.status, kSuccess) << byName.err;
    EXPECT_EQ(linesOf(byName.out), expected);
    const auto byPosition = runZorv({"surface", example("fan.rb"), "--at", "45", "70", "--vars", "2", "1", "--steps", "12"});
    EXPECT_EQ(byPosition.out, byName.out);
    EXPECT_EQ(linesOf(runZorv({"surface", example("heater.rb"), "--vars", "1", "2"}).out).size(), 101u);
}

TEST(ProjectionCommand, PrintsThePlotPointsWithTheStepsAsTheSmoothResolution) {
    const test::ScratchFolder folder;
    std::string text = test::fileText(example("heater.rb"));
    text = std::regex_replace(text, std::regex("DefuzzMethod=\\w+"), "DefuzzMethod=Smooth Deffuz Ling Expr");
    const std::string smooth = folder.file("smooth.rb", text);
    const auto unit = CRuleBase::Load(smooth);
    unit->SetSteps(6);
    const ProjectionCurve curve(*unit, 1, 6, {12, 0});
    std::vector<std::string> expected = {"outdoor,power"};
    for (const std::string& row : expectedRows(*unit, curve.Points(), UnitResponse::Plain, {1})) expected.push_back(row);
    const auto result = runZorv({"projection", smooth, "--var", "outdoor", "--steps", "6", "--at", "12", "3"});
    ASSERT_EQ(result.status, kSuccess) << result.err;
    EXPECT_EQ(linesOf(result.out), expected);

    const auto plain = CRuleBase::Load(example("heater.rb"));
    plain->RebuildFilter();
    const ProjectionCurve middle(*plain, 0, 3, {20, -5});
    expected = {"indoor,power"};
    for (const std::string& row : expectedRows(*plain, middle.Points(), UnitResponse::Filtered, {0})) expected.push_back(row);
    EXPECT_EQ(linesOf(runZorv({"projection", example("heater.rb"), "--var", "1", "--steps", "3", "--filter"}).out), expected);
}

TEST(SurfaceProjectionCommands, RefuseWhatTheyCannotDoWithAClearStatus) {
    const std::string heater = example("heater.rb");
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    for (const Case& k : std::vector<Case>{
             {{"surface", heater, "--vars", "indoor", "wind"}, kUsage, "no input variable 'wind'"},
             {{"surface", heater, "--vars", "1", "indoor"}, kUsage, "same input variable twice"},
             {{"surface", heater, "--vars", "1", "2", "--steps", "1001"}, kUsage, "--steps"},
             {{"surface", heater, "--vars", "1", "2", "--at", "15"}, kUsage, "2 expected, 1 given"},
             {{"surface", heater, "--vars", "1", "2", "--at", "15", "x"}, kUsage, "'x' is not a finite number"},
             {{"surface", heater, "7", "--vars", "1", "2"}, kUsage, "unexpected argument '7'"},
             {{"surface", heater}, kUsage, "--vars"},
             {{"surface", example("braking.rb"), "--vars", "1", "2"}, kBadInput, "two input variables"},
             {{"surface", "/no/such.rb", "--vars", "1", "2"}, kUsage, "cannot open"},
             {{"projection", heater, "--var", "3"}, kUsage, "no input variable '3'"},
             {{"projection", heater, "--var", "1", "--steps", "0"}, kUsage, "--steps"},
             {{"projection", heater}, kUsage, "--var"},
         }) {
        const auto result = runZorv(k.args);
        EXPECT_EQ(result.status, k.status) << k.args[2];
        EXPECT_NE(result.err.find(k.message), std::string::npos) << result.err;
        EXPECT_TRUE(result.out.empty());
    }
    const auto clamped = runZorv({"projection", heater, "--var", "1", "--steps", "1", "--at", "0", "99"});
    EXPECT_EQ(clamped.status, kSuccess);
    EXPECT_NE(clamped.err.find("outdoor 99 lies outside its context; 15 is used"), std::string::npos) << clamped.err;
    for (const char* command : {"surface", "projection"}) EXPECT_EQ(runZorv({command, "--help"}).status, kSuccess);
    EXPECT_EQ(PointTable::field("speed, max"), "\"speed, max\"");
    EXPECT_EQ(PointTable::field("a \"b\""), "\"a \"\"b\"\"\"");
    EXPECT_EQ(PointTable::field("power"), "power");
}

}  // namespace
}  // namespace zorv::cli
