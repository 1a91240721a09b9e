#include <gtest/gtest.h>

#include <sstream>

#include "../support/RuleBaseTextBuilder.h"
#include "CliTestSupport.h"
#include "cli/EvalCommand.h"
#include "cli/ExitCode.h"
#include "cli/NumberText.h"
#include "inference/filter/FTInferenceFilter.h"

namespace zorv::cli {
namespace {

using test::CommandResult;
using test::Folder;
using test::lines;
using test::runZorv;
using ::zorv::test::RuleBaseTextBuilder;

RuleBaseTextBuilder twoInputs() {
    RuleBaseTextBuilder builder;
    builder.input({"x", 0.0, 10.0}).input({"z", -1.0, 1.0}).output({"y", 0.0, 100.0});
    builder.rule({"sm", "sm", "bi"}).rule({"me", "me", "me"}).rule({"bi", "bi", "sm"}).rule({"bi", "sm", "ve bi"});
    return builder;
}

TEST(EvalFilter, TheValueIsTheFiltersInverseAtTheInputs) {
    Folder folder;
    const std::string file = folder.file("unit.rb", twoInputs().text());
    auto unit = twoInputs().load();
    const auto filter = FTInferenceFilter::Build(unit->Compiled());
    const double inputs[] = {3.5, -0.25};
    const CommandResult run = runZorv({"eval", file, "3.5", "-0,25", "--filter"});
    ASSERT_EQ(run.status, kSuccess) << run.err;
    EXPECT_EQ(run.out, shortestText(filter->Evaluate(inputs)) + "\n");
    EXPECT_NE(run.out, runZorv({"eval", file, "3.5", "-0,25"}).out) << "the plain value differs";
}

TEST(EvalFilter, BatchRowsGiveTheSameValuesAsSingleEvaluations) {
    Folder folder;
    const std::string file = folder.file("unit.rb", twoInputs().text());
    std::istringstream rows("1 0.5\n9.5 -1\n0 0\n");
    std::ostringstream out;
    std::ostringstream err;
    EvalCommand command(rows);
    ASSERT_EQ(command.run({file, "--batch", "-", "--filter"}, out, err), kSuccess) << err.str();
    const auto values = lines(out.str());
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0] + "\n", runZorv({"eval", file, "1", "0.5", "--filter"}).out);
    EXPECT_EQ(values[1] + "\n", runZorv({"eval", file, "9.5", "-1", "--filter"}).out);
    EXPECT_EQ(values[2] + "\n", runZorv({"eval", file, "0", "0", "--filter"}).out);
}

TEST(EvalFilter, FiredRulesAreThoseOfThePlainInference) {
    Folder folder;
    const std::string file = folder.file("unit.rb", twoInputs().text());
    const auto filtered = lines(runZorv({"eval", file, "9", "-0.9", "--filter", "--fired"}).out);
    const auto plain = lines(runZorv({"eval", file, "9", "-0.9", "--fired"}).out);
    ASSERT_GE(filtered.size(), 2u);
    EXPECT_EQ(std::vector<std::string>(filtered.begin() + 1, filtered.end()),
              std::vector<std::string>(plain.begin() + 1, plain.end()));
}

TEST(EvalFilter, ATooCostlyFilterIsRefused) {
    Folder folder;
    const std::string file = folder.file("unit.rb", twoInputs().text());
    const CommandResult run = runZorv({"eval", file, "1", "0", "--filter", "--defuzz", "SmoothDeffuzLingExpr"});
    EXPECT_EQ(run.status, kBadInput);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("error: Rebuilding the F-transform filter would need about"), std::string::npos) << run.err;
}

TEST(EvalFilter, AFileWithTheSwitchOnStillEvaluatesPlainWithoutTheOption) {
    Folder folder;
    const std::string on = folder.file("on.rb", twoInputs().filter(true).text());
    const std::string off = folder.file("off.rb", twoInputs().text());
    EXPECT_EQ(runZorv({"eval", on, "2", "0.3"}).out, runZorv({"eval", off, "2", "0.3"}).out);
    EXPECT_EQ(runZorv({"eval", on, "2", "0.3", "--filter"}).out, runZorv({"eval", off, "2", "0.3", "--filter"}).out);
}

}  // namespace
}  // namespace zorv::cli
