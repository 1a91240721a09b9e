#include "app/core/interchange/InterchangeTransfer.h"

#include <gtest/gtest.h>

#include "rulebase/CRuleBase.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/ScratchFolder.h"

namespace zorv {
namespace {

using test::RecordingPrompter;

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
    const test::ScratchFolder folder_;
    const std::string path_ = folder_.file("weighted.fll", kWeighted);
};

TEST_F(Transfer, AFileThatCannotBeImportedExactlyIsImportedWithReplacementsOnlyWhenTheUserAgrees) {
    RecordingPrompter no(PromptAnswer::no);
    EXPECT_EQ(InterchangeTransfer::Import(path_, no), nullptr);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_NE(no.asked[0].text.find(path_ + ":12: rule weight 0.5 has no counterpart"), std::string::npos);

    RecordingPrompter yes(PromptAnswer::yes);
    const auto unit = InterchangeTransfer::Import(path_, yes);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->RuleCount(), 1);
    ASSERT_EQ(yes.shown.size(), 1u);
    EXPECT_NE(yes.shown[0].text.find("replaced by weight 1"), std::string::npos);
}

TEST_F(Transfer, RulesLeftOutOfAnExactImportAreShown) {
    std::string unweighted = kWeighted;
    unweighted.replace(unweighted.find("with 0.5"), 8, "\n  rule: if a is t then o is u with 0");
    RecordingPrompter prompter(PromptAnswer::no);
    const auto unit = InterchangeTransfer::Import(folder_.file("unweighted.fll", unweighted), prompter);
    ASSERT_NE(unit, nullptr);
    EXPECT_EQ(unit->RuleCount(), 1);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find(":13: the rule has weight 0, contributes nothing and is left out"), std::string::npos);
}

TEST_F(Transfer, NoQuestionWhenNotEvenReplacementsWouldImportTheFile) {
    std::string chained = kWeighted;
    chained.replace(chained.find("if a is t"), 9, "if o is u");
    RecordingPrompter prompter(PromptAnswer::yes);
    EXPECT_EQ(InterchangeTransfer::Import(folder_.file("chained.fll", chained), prompter), nullptr);
    EXPECT_TRUE(prompter.asked.empty());
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].caption, "Error");
    EXPECT_NE(prompter.shown[0].text.find("chained systems"), std::string::npos);
}

TEST_F(Transfer, ABoxListsTheFirstProblemsOfAFileWithThousands) {
    std::string rules = kWeighted;
    for (int i = 0; i < 5000; ++i) rules += "  rule: if a is t then o is u with 0.5\n";
    RecordingPrompter no(PromptAnswer::no);
    EXPECT_EQ(InterchangeTransfer::Import(folder_.file("many.fll", rules), no), nullptr);
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_NE(no.asked[0].text.find("... and 4981 more\n"), std::string::npos);
    EXPECT_LT(no.asked[0].text.size(), 5000u);
}

TEST_F(Transfer, ExportAsksBeforeReplacingAHeaderAndNeverReplacesItsSource) {
    const auto heater = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    const std::string header = folder_.file("device.h", "/* written by hand */\n");
    const std::string source = folder_.path("device.c");
    RecordingPrompter no(PromptAnswer::no);
    EXPECT_FALSE(InterchangeTransfer::Export(*heater, source, InterchangeFormat::C, no));
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(test::fileText(header), "/* written by hand */\n");
    EXPECT_FALSE(std::filesystem::exists(source));
    RecordingPrompter yes(PromptAnswer::yes);
    EXPECT_TRUE(InterchangeTransfer::Export(*heater, source, InterchangeFormat::C, yes));
    EXPECT_NE(test::fileText(header).find("device_evaluate"), std::string::npos);

    const std::string opened = folder_.file("opened.rb", test::fileText(std::string(ZORV_SOURCE_DIR) + "/examples/fan.rb"));
    const auto fan = CRuleBase::Load(opened);
    RecordingPrompter prompter(PromptAnswer::yes);
    EXPECT_FALSE(InterchangeTransfer::Export(*fan, opened, InterchangeFormat::Fll, prompter, opened));
    EXPECT_EQ(prompter.shown.back().caption, "Error");
    EXPECT_EQ(test::fileText(opened), test::fileText(std::string(ZORV_SOURCE_DIR) + "/examples/fan.rb"));
}

TEST_F(Transfer, ExportRefusalsAndWriteFailuresAreShown) {
    RecordingPrompter prompter(PromptAnswer::no);
    const auto heater = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    EXPECT_FALSE(InterchangeTransfer::Export(*heater, path_, InterchangeFormat::Fll, prompter));
    EXPECT_EQ(prompter.shown.back().caption, "Error");
    EXPECT_TRUE(InterchangeTransfer::Export(*heater, path_ + ".c", InterchangeFormat::C, prompter));
    EXPECT_FALSE(InterchangeTransfer::Export(*heater, "/nonexistent-dir/x.c", InterchangeFormat::C, prompter));
    EXPECT_EQ(prompter.shown.back().caption, "Write Error");
}

}  // namespace
}  // namespace zorv
