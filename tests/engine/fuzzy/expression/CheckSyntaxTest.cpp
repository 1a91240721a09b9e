#include <gtest/gtest.h>

#include "fuzzy/expression/EFuzzyTerm.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "fuzzy/vocabulary/CTriangSettings.h"

namespace zorv {
namespace {

struct Expected {
    const char* text;
    const char* message;  // null: correct
    int position;
};

void expectChecks(const CSettings& v, std::initializer_list<Expected> cases) {
    for (const Expected& c : cases) {
        const std::optional<ESyntax> error = v.checkSyntax(c.text);
        if (c.message == nullptr) {
            EXPECT_FALSE(error.has_value()) << '"' << c.text << "\": " << (error ? error->message() : "");
            continue;
        }
        ASSERT_TRUE(error.has_value()) << '"' << c.text << '"';
        EXPECT_EQ(error->message(), c.message) << c.text;
        EXPECT_EQ(error->position(), c.position) << c.text;
        EXPECT_EQ(error->text(), c.text);
    }
}

TEST(CheckSyntax, LinguisticVocabularyOnAPlainContext) {
    const CLinguisticSettings v(0, 10);
    expectChecks(v, {
                        {"sm", nullptr, 0},
                        {"vr sm", nullptr, 0},
                        {"ro ze", nullptr, 0},
                        {"about 10", nullptr, 0},
                        {"about 0", nullptr, 0},
                        {"about 12 and small", nullptr, 0},  // only the root is validated
                        {"-small", "negative term is not allowed in this context", 0},
                        {"sm or -bi", "negative term is not allowed in this context", 6},
                        {"about 12", "fuzzy number out of context", ESyntax::kAfterParse},
                        {"about -0.001", "fuzzy number out of context", ESyntax::kAfterParse},
                        {"(about 12)", "fuzzy number out of context", ESyntax::kAfterParse},
                        {"3", "parse error", 0},
                        {"very medium", "parse error", 5},
                        {"", "parse error", 0},
                    });
}

TEST(CheckSyntax, SymmetricAndTriangularVocabularies) {
    const CLinguisticSettings symmetric(-10, 10);
    expectChecks(symmetric, {
                                {"-small", nullptr, 0},
                                {"about -10", nullptr, 0},
                                {"about -10.5", "fuzzy number out of context", ESyntax::kAfterParse},
                            });
    const CLinguisticSettings leaning(-3, 6);  // not symmetric: no signed terms
    expectChecks(leaning, {{"-sm", "negative term is not allowed in this context", 0}, {"+sm", nullptr, 0}});
    const CTriangSettings triang(-3, 6);
    expectChecks(triang, {{"-sm", nullptr, 0}, {"ro -me", "parse error", 3}});
    const CTriangSettings positive(0, 6);
    expectChecks(positive, {{"-sm", "negative term is not allowed in this context", 0}});
}

TEST(CheckSyntax, LinearVocabularyTakesOnlyANumber) {
    const CLinCSettings v(0, 10);
    expectChecks(v, {
                        {"3", nullptr, 0},
                        {"-2.5", nullptr, 0},
                        {"sm", "parse error", 2},
                        {"undef", "parse error", 0},
                        {"3 4", "parse error", 2},
                    });
}

TEST(CheckSyntax, NegativeTermValidationNeedsAContextBelowZero) {
    const CLinguisticSettings plain(0, 10);
    const CLinguisticSettings symmetric(-10, 10);
    const auto error = EFuzzyTerm(&plain, CLingTerm::kSmall, CLingTerm::kNoHedge, -1).validate();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->message(), "negative term is not allowed in this context");
    EXPECT_EQ(error->position(), ESyntax::kAfterParse);
    EXPECT_FALSE(EFuzzyTerm(&symmetric, CLingTerm::kSmall, CLingTerm::kNoHedge, -1).validate());
    EXPECT_FALSE(EFuzzyTerm(&plain, CLingTerm::kSmall, CLingTerm::kNoHedge, 1).validate());
    EXPECT_FALSE(EFuzzyTerm(nullptr, CLingTerm::kSmall, CLingTerm::kNoHedge, -1).validate());
}

}  // namespace
}  // namespace zorv
