#include <gtest/gtest.h>

#include <cmath>

#include "zorv/zorv.h"

namespace {

using zorv::Vocabulary;

TEST(VocabularyApi, AnExpressionTellsItsMeaning) {
    const Vocabulary words = Vocabulary::linguistic(0.0, 10.0, Vocabulary::kDefaultShape, 11);
    const zorv::Expression e = words.expression("vr sm");
    EXPECT_EQ(e.canonical(), "very roughly small");
    EXPECT_EQ(e.form(), "vr sm");
    EXPECT_EQ(e.specificity(), 28);
    ASSERT_EQ(e.samples().size(), 11u);
    EXPECT_EQ(e.samples()[0], 1.0);
    EXPECT_EQ(e.samples()[10], 0.0);
    EXPECT_EQ(e.samples(3).size(), 3u);
    EXPECT_FALSE(e.connective());

    // Operands combine from left to right: "and" is applied last, unless parentheses say otherwise.
    EXPECT_EQ(words.expression("sm or me and bi").connective(), zorv::Connective::conjunction);
    EXPECT_EQ(words.expression("sm or (me and bi)").connective(), zorv::Connective::disjunction);
    EXPECT_EQ(words.expression("(sm or me) and bi").form(), "compound");
    EXPECT_EQ(words.expression("about 4").form(), "number");
}

TEST(VocabularyApi, ExpressionErrorsCarryTheirPosition) {
    const Vocabulary words = Vocabulary::linguistic(0.0, 10.0);
    const struct {
        const char* text;
        const char* message;
        std::optional<std::size_t> position;
    } cases[] = {
        {"ve me", "parse error", 3},
        {"-small", "negative term is not allowed in this context", 0},
        {"about 12", "fuzzy number out of context", std::nullopt},  // found after reading
        {"about 12 and small", "fuzzy number out of context", 6},
    };
    for (const auto& c : cases) {
        try {
            words.expression(c.text);
            ADD_FAILURE() << c.text;
        } catch (const zorv::SyntaxError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
            EXPECT_EQ(e.position(), c.position) << c.text;
            EXPECT_EQ(e.text(), c.text);
        }
    }
}

TEST(VocabularyApi, WorksOnTextsAndValues) {
    const Vocabulary words = Vocabulary::linguistic(-1.0, 1.0);
    EXPECT_TRUE(words.symmetric());
    EXPECT_EQ(words.perceive(0.0), "ze");
    EXPECT_EQ(words.perceive(-1.0, zorv::HedgeMode::none), "-bi");
    EXPECT_EQ(words.applyWord("ve sm", "big"), "ve bi");
    EXPECT_EQ(words.applyWord("sm", "roughly"), "ro sm");
    EXPECT_EQ(words.applyWord("sm or about 0.5", "big"), "bi");  // a term word replaces the whole cell
    EXPECT_EQ(words.applyWord("about 0.5", "very"), "about 0.5");
    EXPECT_EQ(words.normalize("ve sm or -bi"), words.normalize("very small or -big"));
    EXPECT_THROW(words.normalize("sm big"), zorv::SyntaxError);

    EXPECT_EQ(words.compareExpressions("sm", "bi"), std::partial_ordering::less);
    EXPECT_EQ(words.compareExpressions("bi", "sm"), std::partial_ordering::greater);
    EXPECT_EQ(words.compareExpressions("sm and bi", "sm and bi"), std::partial_ordering::equivalent);
    EXPECT_EQ(words.compareExpressions("sm", "sm bi"), std::partial_ordering::unordered);
}

TEST(VocabularyApi, RefusesWhatItsKindCannotDo) {
    const Vocabulary triangles = Vocabulary::triangular(0.0, 10.0);
    EXPECT_EQ(triangles.expression("medium").samples(5), (std::vector<double>{0, 0, 1, 0, 0}));
    EXPECT_THROW(triangles.perceive(3.0), zorv::Error);
    EXPECT_THROW(Vocabulary::linguistic(1.0, 1.0), zorv::Error);
    EXPECT_THROW(Vocabulary::linguistic(-1e308, 1e308), zorv::Error);  // finite bounds, infinite width
    EXPECT_THROW(Vocabulary::linguistic(0.0, 1.0).perceive(NAN), zorv::Error);

    const auto singleton = zorv::RuleBase::create(zorv::RuleBaseKind::takagiSugeno);
    const Vocabulary linear = singleton.vocabulary({zorv::Side::output, 0});
    EXPECT_EQ(linear.kind(), "linc");
    EXPECT_EQ(linear.expression("2.5 + 3*x1").coefficients(), (std::vector<double>{2.5, 3.0}));
    EXPECT_THROW(linear.expression("2.5").samples(), zorv::Error);
    EXPECT_THROW(singleton.vocabulary({zorv::Side::output, 1}), zorv::Error);
}

}  // namespace
