#include "app/core/data/FTransformSettingsForm.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <vector>

namespace zorv {
namespace {

const std::vector<FTransformContext> kContexts{{0.0, 10.0}, {-1.0, 1.0}};

TEST(FTransformSettingsForm, FirstOpeningMakesOneDefaultRecordPerInput) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (PartitionSettings{-1.0, 1.0, 10, BasicFunctionShape::Triangular}));
    EXPECT_EQ(form.selected(), 0);
    EXPECT_EQ(form.nodeCountText(), "10");
    EXPECT_EQ(form.maxErrorText(), "0.001");
    EXPECT_FALSE(form.optimize());
    EXPECT_FALSE(form.outputToFile());
}

TEST(FTransformSettingsForm, ChoicesGoIntoTheSelectedRecordAtOnce) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    form.select(1);
    EXPECT_TRUE(form.leaveNodeCount(" 7 "));
    form.chooseShape(BasicFunctionShape::Sinusoidal);
    EXPECT_EQ(records[1].nodes, 7);
    EXPECT_EQ(records[1].shape, BasicFunctionShape::Sinusoidal);
    EXPECT_EQ(records[0].nodes, 10);
    EXPECT_FALSE(form.leaveNodeCount("7.5"));
    EXPECT_EQ(records[1].nodes, 7);
    EXPECT_THROW(form.select(2), std::out_of_range);
}

TEST(FTransformSettingsForm, ReopeningKeepsRecordsAndCheckBoxes) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    form.leaveNodeCount("4");
    form.setOptimize(true);
    form.setOutputToFile(true);
    ASSERT_TRUE(form.accept("4", "0,05").accepted);
    form.open(records, kContexts);
    EXPECT_EQ(form.nodeCountText(), "4");
    EXPECT_TRUE(form.optimize());
    EXPECT_TRUE(form.outputToFile());
    EXPECT_EQ(form.maxErrorText(), "0,05");
    EXPECT_EQ(form.maxError(), 0.05);
}

TEST(FTransformSettingsForm, RecordsFollowTheInputVariables) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    form.select(1);
    form.leaveNodeCount("6");
    form.chooseShape(BasicFunctionShape::Quadratic);
    const std::vector<FTransformContext> widened{{0.0, 10.0}, {-5.0, 5.0}};
    form.open(records, widened);
    EXPECT_EQ(records[1], (PartitionSettings{-5.0, 5.0, 6, BasicFunctionShape::Quadratic}));
    const std::vector<FTransformContext> three{{0.0, 1.0}, {0.0, 2.0}, {0.0, 3.0}};
    form.open(records, three);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1], (PartitionSettings{0.0, 2.0, 10, BasicFunctionShape::Triangular}));
}

TEST(FTransformSettingsForm, OkStaysOpenSilentlyOnTextsThatDoNotParse) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    EXPECT_FALSE(form.accept("ten", "0.001").accepted);
    form.setOptimize(true);
    const auto acceptance = form.accept("10", "small");
    EXPECT_FALSE(acceptance.accepted);
    EXPECT_TRUE(acceptance.message.empty());
    form.setOptimize(false);
    EXPECT_TRUE(form.accept("10", "small").accepted);  // the max error only counts when optimising
    EXPECT_EQ(form.maxError(), std::nullopt);
}

TEST(FTransformSettingsForm, OkRefusesADegenerateRecordAndSelectsIt) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    form.select(1);
    form.leaveNodeCount("1");
    form.select(0);
    const auto acceptance = form.accept("10", "0.001");
    EXPECT_FALSE(acceptance.accepted);
    EXPECT_EQ(form.selected(), 1);
    EXPECT_EQ(acceptance.message, "Input variable 2: The number of nodes must be at least 2, not 1.");
}

TEST(FTransformSettingsForm, NodeCountParsing) {
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("12"), 12);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("+3"), 3);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("-3"), -3);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount(""), std::nullopt);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("+-3"), std::nullopt);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("3 4"), std::nullopt);
    EXPECT_EQ(FTransformSettingsForm::parseNodeCount("99999999999"), std::nullopt);
}

TEST(FTransformSettingsForm, PreviewDrawsTheSelectedShape) {
    std::vector<PartitionSettings> records;
    FTransformSettingsForm form;
    form.open(records, kContexts);
    form.chooseShape(BasicFunctionShape::FuzzyNumber);
    EXPECT_EQ(form.preview(100, 50), BasicFunctionPreview::polyline(BasicFunctionShape::FuzzyNumber, 100, 50));
}

}  // namespace
}  // namespace zorv
