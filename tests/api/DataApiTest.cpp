#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

#include "zorv/zorv.h"

namespace {

std::string example(const char* name) { return std::string(ZORV_SOURCE_DIR) + "/examples/" + name; }

// Rows of the heater's inputs and a made-up output, some beyond the contexts and one not a number.
std::vector<double> heaterRows(int count) {
    std::vector<double> rows;
    for (int i = 0; i < count; ++i) {
        rows.insert(rows.end(), {5.0 + (i * 7 % 31), -30.0 + (i * 13 % 50), (i * 37 % 101) * 1.0});
    }
    rows[4] = std::numeric_limits<double>::quiet_NaN();
    return rows;
}

TEST(DataApi, AnFTransformFittedInPartsEqualsOneFit) {
    const zorv::RuleBase heater = zorv::RuleBase::load(example("heater.rb"));
    const std::vector<double> rows = heaterRows(300);
    zorv::FTransform whole = zorv::FTransform::forRuleBase(heater, std::vector{6, 4});
    EXPECT_EQ(whole.add(rows), 299u);
    zorv::FTransform first = zorv::FTransform::forRuleBase(heater, std::vector{6, 4});
    zorv::FTransform second = first;
    first.add(std::span(rows).first(450));
    second.add(std::span(rows).subspan(450));
    first.merge(second);
    const std::vector<double> a = whole.components();
    const std::vector<double> b = first.components();
    for (std::size_t k = 0; k < a.size(); ++k) EXPECT_NEAR(a[k], b[k], 1e-12 * std::abs(a[k])) << k;
    EXPECT_EQ(whole.valid(), first.valid());
    // A combination no row reaches stands for the output's midpoint.
    zorv::FTransform one = zorv::FTransform::forRuleBase(heater, std::vector{3});
    one.add(std::vector{10.0, -25.0, 80.0});
    EXPECT_DOUBLE_EQ(one.inverse(std::vector{30.0, 15.0}), 50.0);
    EXPECT_THROW(first.merge(one), zorv::ShapeError);
    EXPECT_THROW(zorv::FTransform({{0.0, 1.0, 1, "triangular"}}, 0.0, 1.0), zorv::Error);
}

TEST(DataApi, LearningInPartsEqualsOneRun) {
    const zorv::RuleBase heater = zorv::RuleBase::load(example("heater.rb"));
    const std::vector<double> rows = heaterRows(40);
    const zorv::Learning whole = heater.learn(zorv::LearningMethod::pentatomy, rows);
    std::vector<zorv::LearnedRow> learned = heater.learnRows(zorv::LearningMethod::pentatomy, std::span(rows).first(60));
    for (zorv::LearnedRow row : heater.learnRows(zorv::LearningMethod::pentatomy, std::span(rows).subspan(60))) {
        row.row += 20;
        learned.push_back(row);
    }
    const zorv::Learning parts = heater.addLearnedRules(zorv::LearningMethod::pentatomy, learned);
    EXPECT_EQ(parts.ruleBase.text(), whole.ruleBase.text());
    EXPECT_EQ(whole.added, 39);
    EXPECT_TRUE(heater.vocabulary({zorv::Side::input, 0}).userTerms().empty());  // the original stays
    EXPECT_THROW(heater.learn(zorv::LearningMethod::approx, rows), zorv::Error);  // no user terms
}

TEST(DataApi, FilesFailWithTheSystemsReason) {
    try {
        zorv::RuleBase::load(example("missing.rb"));
        ADD_FAILURE();
    } catch (const zorv::FileError& e) {
        EXPECT_EQ(e.code(), ENOENT);
        EXPECT_EQ(e.path(), example("missing.rb"));
    }
    try {
        zorv::RuleBase::create().save(example("no-such-folder/x.rb"));
        ADD_FAILURE();
    } catch (const zorv::FileError& e) {
        EXPECT_EQ(e.path(), example("no-such-folder/x.rb"));
    }
}

TEST(DataApi, AVocabularyComesBackFromItsState) {
    const zorv::RuleBase learned =
        zorv::RuleBase::load(example("heater.rb")).learn(zorv::LearningMethod::pentatomy, heaterRows(3)).ruleBase;
    const zorv::Vocabulary words = learned.vocabulary({zorv::Side::input, 1});
    const zorv::Vocabulary back = zorv::Vocabulary::fromState(words.state());
    EXPECT_EQ(back.userTerms(), words.userTerms());
    EXPECT_EQ(back.expression("UpMe or ve sm").samples(), words.expression("UpMe or ve sm").samples());
    EXPECT_THROW(zorv::Vocabulary::fromState("nonsense"), zorv::SyntaxError);
}

}  // namespace
