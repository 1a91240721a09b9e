#include "ftransform/command/FTransformCommand.h"
#include "ftransform/command/FTransformNumberTable.h"
#include "ftransform/command/FTransformTextTable.h"
#include "ftransform/partition/EFTransformSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace zorv {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const FTransformContext kZeroToTen{0.0, 10.0};

std::vector<PartitionSettings> triangular(int nodes, int inputs = 1) {
    return std::vector<PartitionSettings>(static_cast<std::size_t>(inputs),
                                          PartitionSettings{0.0, 10.0, nodes, BasicFunctionShape::Triangular});
}

std::vector<std::string> reconstructionColumn(const FTransformTextTable& table) {
    std::vector<std::string> column;
    for (int row = 0; row < table.rowCount(); ++row) {
        column.push_back(table.reconstruction(row));
    }
    return column;
}

TEST(FTransformCommand, FitsReadableRowsAndComparesTheRoundedReconstruction) {
    FTransformTextTable table(1, Rows{{"0", "1"}, {"2,5", "1.5"}, {"5", "2"}, {"10", "3"}, {"abc", "3"}, {"7.5", ""}});
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    const FTransformOutcome outcome = command.run(table, triangular(3), std::nullopt);

    // Node 0 averages 1 (weight 1) and 1.5 (weight 0.5): 7/6; node 1 likewise 11/6; node 2 is 3.
    EXPECT_EQ(reconstructionColumn(table),
              (std::vector<std::string>{"1.170000", "1.500000", "1.830000", "3.000000", "", ""}));
    EXPECT_EQ(outcome.status, FTransformStatus::Fitted);
    EXPECT_EQ(outcome.reconstruction.rowsReconstructed, 4);
    EXPECT_EQ(outcome.reconstruction.rowsSkipped, 2);
    // From the texts: |1 - 1.17| = 0.17, where the unrounded reconstruction would give 0.167.
    ASSERT_TRUE(outcome.reconstruction.maxError);
    EXPECT_NEAR(*outcome.reconstruction.maxError, 0.17, 1e-12);
    EXPECT_EQ(outcome.reconstruction.maxErrorText, "0.170000");
    EXPECT_FALSE(outcome.nodesFound);
    EXPECT_EQ(outcome.partitions, triangular(3));
}

TEST(FTransformCommand, DefaultValueIsTheOutputMidpoint) {
    FTransformTextTable table(1, Rows{{"2.5", "4"}});
    const FTransformCommand command({kZeroToTen}, FTransformContext{-2.0, 12.0});
    const auto outcome = command.run(table, triangular(3), std::nullopt);
    EXPECT_EQ(outcome.transform->defaultValue(), 5.0);
    EXPECT_EQ(outcome.transform->inverse(std::vector{7.5}), 0.5 * 4.0 + 0.5 * 5.0);
}

TEST(FTransformCommand, CellsAreClampedIntoTheirContextsButTheErrorUsesTheRawOutput) {
    FTransformTextTable table(1, Rows{{"20", "50"}, {"-3", "-1"}});
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    const auto outcome = command.run(table, triangular(3), std::nullopt);
    EXPECT_EQ(outcome.transform->components().at(2), 10.0);  // x = 10, y = 10 after clamping
    EXPECT_EQ(outcome.transform->components().at(0), 0.0);   // x = 0, y = 0
    EXPECT_EQ(reconstructionColumn(table), (std::vector<std::string>{"10.000000", "0.000000"}));
    EXPECT_EQ(outcome.reconstruction.maxErrorText, "40.000000");
}

TEST(FTransformCommand, NoReadableRowGivesNoMaxError) {
    FTransformTextTable table(2, Rows{{"1", "x", "2"}, {"1", "2"}});
    const FTransformCommand command({kZeroToTen, kZeroToTen}, kZeroToTen);
    const auto outcome = command.run(table, triangular(4, 2), std::nullopt);
    EXPECT_FALSE(outcome.reconstruction.maxError);
    EXPECT_TRUE(outcome.reconstruction.maxErrorText.empty());
    EXPECT_EQ(outcome.reconstruction.rowsSkipped, 2);
}

TEST(FTransformCommand, InverseStepRewritesTheColumnWithTheCurrentTransform) {
    FTransformTextTable fitted(1, Rows{{"0", "2"}, {"10", "4"}});
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    const auto outcome = command.run(fitted, triangular(2), std::nullopt);
    FTransformTextTable other(1, Rows{{"5", "0"}, {"", "1"}});
    other.setReconstruction(1, "stale");
    const auto again = command.reconstruct(*outcome.transform, other);
    EXPECT_EQ(reconstructionColumn(other), (std::vector<std::string>{"3.000000", ""}));
    EXPECT_EQ(again.maxErrorText, "3.000000");
}

TEST(FTransformCommand, NumberRowsWithNonFiniteValuesAreSkipped) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    FTransformNumberTable table(2, {1.0, 1.0, 4.0, nan, 2.0, 9.0, 3.0, 3.0, 4.0});
    const FTransformCommand command({kZeroToTen, kZeroToTen}, kZeroToTen);
    const auto outcome = command.run(table, triangular(2, 2), std::nullopt);
    EXPECT_EQ(table.reconstruction(0), "4.000000");
    EXPECT_EQ(table.reconstruction(1), "");
    EXPECT_EQ(outcome.reconstruction.rowsSkipped, 1);
    EXPECT_THROW(FTransformNumberTable(2, {1.0, 2.0}), std::invalid_argument);
}

TEST(FTransformCommand, ProgressRunsFromZeroToTheRowCount) {
    FTransformNumberTable table(1, std::vector<double>(2 * 5000, 1.0));
    std::vector<std::pair<int, int>> reports;
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    command.fit(*command.makeTransform(triangular(3)), table,
                [&](int done, int total) { reports.emplace_back(done, total); });
    ASSERT_GE(reports.size(), 2u);
    EXPECT_LE(reports.size(), 1002u);
    EXPECT_EQ(reports.front(), std::make_pair(0, 5000));
    EXPECT_EQ(reports.back(), std::make_pair(5000, 5000));
    for (std::size_t i = 1; i < reports.size(); ++i) {
        EXPECT_LT(reports[i - 1].first, reports[i].first);
    }
}

// y = x² sampled off the nodes: no node count reproduces it exactly.
Rows parabolaRows(int count) {
    Rows rows;
    for (int i = 0; i < count; ++i) {
        const double x = 10.0 * (i + 0.37) / count;
        rows.push_back({std::to_string(x), std::to_string(x * x)});
    }
    return rows;
}

TEST(FTransformCommand, SearchEndsOnTheSmallestHalvingCountForAnEasyFit) {
    Rows rows;
    for (int i = 0; i <= 8; ++i) {
        rows.push_back({std::to_string(i * 1.25), "3"});
    }
    FTransformTextTable table(1, rows);
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    const auto outcome = command.run(table, triangular(10), 0.001);
    EXPECT_EQ(outcome.status, FTransformStatus::Fitted);
    EXPECT_EQ(outcome.nodesFound, 2);
    EXPECT_EQ(outcome.transform->axis(0).nodes(), 2);
    EXPECT_EQ(outcome.partitions, triangular(2));
    EXPECT_EQ(outcome.reconstruction.maxErrorText, "0.000000");
}

TEST(FTransformCommand, SearchKeepsTheLargestCountWhenItStillMissesTheError) {
    FTransformTextTable table(1, parabolaRows(20));
    const FTransformCommand command({kZeroToTen}, FTransformContext{0.0, 100.0});
    const auto outcome = command.run(table, triangular(10), 1e-9);
    EXPECT_EQ(outcome.status, FTransformStatus::MaximumNodesExceeded);
    EXPECT_EQ(statusMessage(outcome.status), "Maximum number of nodes was exceeded.");
    EXPECT_EQ(statusCaption(outcome.status), "Information");
    EXPECT_EQ(outcome.nodesFound, 22);  // the row count and the table's two header rows
    EXPECT_EQ(outcome.transform->axis(0).nodes(), 22);
    EXPECT_EQ(reconstructionColumn(table).size(), 20u);
}

TEST(FTransformCommand, SearchFindsACountThatMeetsAReachableError) {
    FTransformTextTable table(1, parabolaRows(200));
    const FTransformCommand command({kZeroToTen}, FTransformContext{0.0, 100.0});
    const auto outcome = command.run(table, triangular(10), 0.5);
    ASSERT_EQ(outcome.status, FTransformStatus::Fitted);
    ASSERT_TRUE(outcome.nodesFound);
    EXPECT_LT(command.largestError(*outcome.transform, table), 0.5);
    const auto fewer = command.makeTransform(triangular(*outcome.nodesFound - 1));
    command.fit(*fewer, table);
    EXPECT_GE(command.largestError(*fewer, table), 0.5);
}

// A table that claims many rows without holding any: the search must not start above the grid bound.
class ManyRows final : public FTransformData {
public:
    ManyRows(int inputs, int rows) : inputs_(inputs), rows_(rows) {}
    int inputCount() const override { return inputs_; }
    int rowCount() const override { return rows_; }
    bool readRow(int, std::span<double>) const override { return false; }
    void setReconstruction(int, std::string_view) override {}

private:
    int inputs_;
    int rows_;
};

TEST(FTransformCommand, SearchStartIsCappedByTheGridBound) {
    const FTransformCommand one({kZeroToTen}, kZeroToTen);
    EXPECT_EQ(one.highestNodeCount(ManyRows(1, 5)), 7);
    EXPECT_EQ(one.highestNodeCount(ManyRows(1, 0)), 2);
    const FTransformCommand two({kZeroToTen, kZeroToTen}, kZeroToTen);
    EXPECT_EQ(two.highestNodeCount(ManyRows(2, 10'000'000)), 4096);
}

struct CommandRefusal {
    const char* name;
    std::vector<FTransformContext> inputs;
    FTransformContext output;
    const char* messagePart;
};

void PrintTo(const CommandRefusal& c, std::ostream* os) { *os << c.name; }

class CommandRefusalTest : public ::testing::TestWithParam<CommandRefusal> {};

TEST_P(CommandRefusalTest, ContextsThatCannotServeAreRefused) {
    const CommandRefusal& c = GetParam();
    try {
        FTransformCommand command(c.inputs, c.output);
        FAIL() << "accepted";
    } catch (const EFTransformSettings& e) {
        EXPECT_NE(e.message().find(c.messagePart), std::string::npos) << e.message();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, CommandRefusalTest,
    ::testing::Values(CommandRefusal{"NoInput", {}, kZeroToTen, "at least one input"},
                      CommandRefusal{"EmptyInput", {kZeroToTen, {4.0, 4.0}}, kZeroToTen, "Input variable 2"},
                      CommandRefusal{"ReversedInput", {{1.0, 0.0}}, kZeroToTen, "<1, 0> is empty"},
                      CommandRefusal{"ReversedOutput", {kZeroToTen}, {3.0, 2.0}, "reversed"},
                      CommandRefusal{"InfiniteOutput",
                                     {kZeroToTen},
                                     {0.0, std::numeric_limits<double>::infinity()},
                                     "finite"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FTransformCommand, SinglePointOutputContextIsAccepted) {
    FTransformTextTable table(1, Rows{{"1", "9"}});
    const FTransformCommand command({kZeroToTen}, FTransformContext{2.0, 2.0});
    EXPECT_EQ(command.run(table, triangular(2), std::nullopt).reconstruction.maxErrorText, "7.000000");
}

TEST(FTransformCommand, UnusableSettingsAreRefusedBeforeAnyWork) {
    FTransformTextTable table(1, Rows{{"1", "9"}});
    table.setReconstruction(0, "kept");
    const FTransformCommand command({kZeroToTen}, kZeroToTen);
    EXPECT_THROW(command.run(table, triangular(1), std::nullopt), EFTransformSettings);
    EXPECT_THROW(command.run(table, triangular(3, 2), std::nullopt), EFTransformSettings);
    EXPECT_THROW(command.run(table, triangular(3), std::numeric_limits<double>::quiet_NaN()), EFTransformSettings);
    EXPECT_EQ(table.reconstruction(0), "kept");
    FTransformTextTable twoInputs(2, Rows{});
    EXPECT_THROW(command.run(twoInputs, triangular(3), std::nullopt), std::invalid_argument);
}

TEST(FTransformCommand, GridBeyondTheBoundIsRefused) {
    FTransformTextTable table(2, Rows{{"1", "2", "3"}});
    const FTransformCommand command({kZeroToTen, kZeroToTen}, kZeroToTen);
    try {
        command.run(table, triangular(5000, 2), std::nullopt);
        FAIL() << "accepted";
    } catch (const EFTransformSettings& e) {
        EXPECT_NE(e.message().find("at most 16777216"), std::string::npos) << e.message();
    }
}

}  // namespace
}  // namespace zorv
