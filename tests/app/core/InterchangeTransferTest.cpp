#include "app/core/InterchangeTransfer.h"

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "../../support/ScriptedPrompter.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

using test::ScriptedPrompter;

// A file with one item that has no exact counterpart (a rule weight).
constexpr const char* kWeighted = R"(Engine: e
InputVariable: a
  range: 0 1
  term: t Triangle 0 0.5 1
OutputVariable: o
  range: 0 1
  aggregation: Maximum
  defuzzifier: Centroid 100
  term: u Triangle 0 0.5 1
RuleBlock: r
  implication: Minimum
  rule: if a is t then o is u with 0.5
)";

class Transfer : public ::testing::Test {
protected:
    void SetUp() override {
        // Each test its own file: ctest runs them side by side.
        path_ = (std::filesystem::temp_directory_path() /
                 (std::string("zorv-transfer-").append(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".fll"))
                    .string();
        std::ofstream(path_) << kWeighted;
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::string path_;
};

TEST_F(Transfer, AFileThatCannotBeImportedExactlyIsImportedWithReplacementsOnlyWhenTheUserAgrees) {
    ScriptedPrompter no(PromptAnswer::no);
    EXPECT_EQ(InterchangeTransfer::Import(path_, no), nullptr);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_NE(no.asked[0].text.find(path_ + ":12: rule weight 0.5 has no counterpart"), std::string::npos);

    ScriptedPrompter yes(PromptAnswer::yes);
    const auto unit = InterchangeTransfer::Import(path_, yes);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->RuleCount(), 1);
    ASSERT_EQ(yes.shown.size(), 1u);
    EXPECT_NE(yes.shown[0].text.find("replaced by weight 1"), std::string::npos);
}

TEST_F(Transfer, ExportRefusalsAndWriteFailuresAreShown) {
    ScriptedPrompter prompter(PromptAnswer::no);
    const auto heater = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    EXPECT_FALSE(InterchangeTransfer::Export(*heater, path_, InterchangeFormat::Fll, prompter));
    EXPECT_EQ(prompter.shown.back().caption, "Error");
    EXPECT_TRUE(InterchangeTransfer::Export(*heater, path_ + ".c", InterchangeFormat::C, prompter));
    EXPECT_FALSE(InterchangeTransfer::Export(*heater, "/nonexistent-dir/x.c", InterchangeFormat::C, prompter));
    EXPECT_EQ(prompter.shown.back().caption, "Write Error");
    std::filesystem::remove(path_ + ".c");
    std::filesystem::remove(std::filesystem::path(path_ + ".c").replace_extension(".h"));
}

}  // namespace
}  // namespace zorv
