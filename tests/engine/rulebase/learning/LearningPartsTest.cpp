#include <gtest/gtest.h>

#include <limits>

#include "tests/support/ScratchFolder.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/learning/LearningNumberRows.h"
#include "rulebase/learning/LearningTextRows.h"
#include "rulebase/learning/RulesFile.h"
#include "rulebase/learning/ValueDescriber.h"

namespace zorv {
namespace {

using test::ScratchFolder;

TEST(RulesFilePath, TheDataFileNamesItWhenItExists) {
    ScratchFolder folder;
    test::writeFile(folder / "samples.txt", "1 2\n");
    EXPECT_EQ(RulesFile::pathFor(folder / "samples.txt", folder / "unit.rb"), folder / "samples.rules");
    EXPECT_EQ(RulesFile::pathFor(folder / "gone.txt", folder / "unit.rb"), folder / "unit.rules");
    EXPECT_EQ(RulesFile::pathFor("", folder / "unit.rb"), folder / "unit.rules");
}

TEST(RulesFileLine, ExpressionsThenTheCount) {
    EXPECT_EQ(RulesFile::line({{"ve sm", "-ro bi", "LoMe"}, true, 1}), "ve sm\t-ro bi\tLoMe\t1\n");
    EXPECT_EQ(RulesFile::line({{"a"}, false, 12}), "a\t12\n");
    EXPECT_EQ(RulesFile::line({{}, true, 1}), "1\n");
}

TEST(RulesFileWrite, AFailedWriteKeepsThePreviousFile) {
    ScratchFolder folder;
    const auto target = folder / "d.rules";
    test::writeFile(target, "before\n");
    std::filesystem::permissions(target, std::filesystem::perms::owner_read);  // a read-only file is kept
    EXPECT_EQ(RulesFile::write(target, std::vector<LearnedRule>{{{"sm"}, true, 1}}),
              "cannot write " + target.string() + ": the file is read-only");
    EXPECT_EQ(test::fileText(target), "before\n");
}

TEST(LearningNumberRows, RowsMustBeWholeAndFinite) {
    EXPECT_THROW(LearningNumberRows(2, {1.0, 2.0, 3.0}), std::invalid_argument);
    EXPECT_THROW(LearningNumberRows(0, {}), std::invalid_argument);
    const LearningNumberRows rows(2, {1.0, 2.0, std::numeric_limits<double>::infinity(), 4.0});
    std::vector<double> values(2);
    EXPECT_TRUE(rows.readRow(0, values));
    EXPECT_FALSE(rows.readRow(1, values));
    std::vector<double> tooMany(3);
    EXPECT_FALSE(rows.readRow(0, tooMany));
}

TEST(LearningTextRows, CommaOrPointAndOnlyTheValuesAskedFor) {
    const LearningTextRows rows({{"1,5", " 2.5 ", "x"}, {"1", "2e", "3"}});
    std::vector<double> values(2);
    ASSERT_TRUE(rows.readRow(0, values));
    EXPECT_EQ(values, (std::vector<double>{1.5, 2.5}));
    EXPECT_FALSE(rows.readRow(1, values));
}

TEST(ValueDescriber, ApproxNeedsUserTerms) {
    CLinguisticSettings settings(0.0, 1.0);
    EXPECT_FALSE(ValueDescriber(LearningMode::approx).describe(settings, 0.5));
    settings.addUserTerm("warm", "", std::make_unique<CFuzzyTriangSet>(0.0, 0.5, 1.0, 0.0, 1.0));
    EXPECT_EQ(ValueDescriber(LearningMode::approx).describe(settings, 0.1), "warm");
}

struct PerceivedCase {
    double low;
    double high;
    double x;
    const char* text;
};

class PentatomyDescription : public ::testing::TestWithParam<PerceivedCase> {};

TEST_P(PentatomyDescription, AbbreviatedAndSigned) {
    const PerceivedCase& c = GetParam();
    const CLinguisticSettings settings(c.low, c.high);
    const auto text = ValueDescriber(LearningMode::pentatomy).describe(settings, c.x);
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, c.text);
    EXPECT_FALSE(settings.checkSyntax(*text)) << *text;
}

INSTANTIATE_TEST_SUITE_P(Values, PentatomyDescription,
                         ::testing::Values(PerceivedCase{0.0, 1.0, 0.0, "ze"}, PerceivedCase{0.0, 1.0, 1.0, "ex bi"},
                                           PerceivedCase{-1.0, 1.0, -1.0, "-ex bi"},
                                           PerceivedCase{-1.0, 1.0, 0.0, "ze"}));

}  // namespace
}  // namespace zorv
