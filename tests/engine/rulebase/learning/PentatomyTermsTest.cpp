#include <gtest/gtest.h>

#include "fuzzy/sets/CFuzzyQuadraticSet.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/learning/PentatomyTerms.h"
#include "tests/support/RuleBaseTextBuilder.h"

namespace zorv {
namespace {

using test::RuleBaseTextBuilder;
using test::userTerm;
using Breakpoints = PentatomyTerms::Breakpoints;

struct TermsCase {
    double low;
    double high;
    bool symmetric;
    std::vector<std::string> names;
    std::vector<Breakpoints> breakpoints;
};

class PentatomyTermsOf : public ::testing::TestWithParam<TermsCase> {};

TEST_P(PentatomyTermsOf, CutTheMiddleOfTheContext) {
    const TermsCase& c = GetParam();
    const auto terms = PentatomyTerms::of(c.low, c.high, c.symmetric);
    ASSERT_EQ(terms.size(), c.names.size());
    for (std::size_t i = 0; i < terms.size(); ++i) {
        EXPECT_EQ(terms[i].name, c.names[i]);
        for (std::size_t p = 0; p < 6; ++p) {
            EXPECT_NEAR(terms[i].breakpoints[p], c.breakpoints[i][p], 1e-12) << terms[i].name << " p" << p + 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Contexts, PentatomyTermsOf,
    ::testing::Values(
        TermsCase{
            0.0, 100.0, false, {"LoMe", "UpMe"}, {{12.5, 19.6, 25, 33, 37.5, 45.1}, {44.5, 49.4, 54, 65, 69.8, 74.1}}},
        TermsCase{10.0,
                  30.0,
                  false,
                  {"LoMe", "UpMe"},
                  {{12.5, 13.92, 15, 16.6, 17.5, 19.02}, {18.9, 19.88, 20.8, 23, 23.96, 24.82}}},
        TermsCase{-10.0,
                  10.0,
                  true,
                  {"PosLoMe", "NegLoMe", "PosUpMe", "NegUpMe"},
                  {{1.25, 1.96, 2.5, 3.3, 3.75, 4.51},
                   {-4.51, -3.75, -3.3, -2.5, -1.96, -1.25},
                   {4.45, 4.94, 5.4, 6.5, 6.98, 7.41},
                   {-7.41, -6.98, -6.5, -5.4, -4.94, -4.45}}}));

const CBasicSettings& vocabulary(const CRuleBase& unit, int v) {
    return dynamic_cast<const CBasicSettings&>(unit.Settings(v));
}

std::vector<std::string> userTermNames(const CBasicSettings& settings) {
    std::vector<std::string> names;
    for (std::size_t i = static_cast<std::size_t>(settings.standardTermCount()); i < settings.terms().size(); ++i) {
        names.push_back(settings.terms()[i].shortName);
    }
    return names;
}

TEST(PentatomyTermsApply, ReplacesTheUserTermsOfEveryVariable) {
    auto unit = RuleBaseTextBuilder()
                    .input({"x", 0.0, 100.0, userTerm("warm", "triang", "0 50 100")})
                    .input({"s", -10.0, 10.0})
                    .output({"y", 0.0, 1.0, userTerm("a", "triang", "0 0 1") + userTerm("b", "triang", "0 1 1")})
                    .rule({"warm", "ze", "a"})
                    .load();
    PentatomyTerms::apply(*unit);
    EXPECT_EQ(userTermNames(vocabulary(*unit, 0)), (std::vector<std::string>{"LoMe", "UpMe"}));
    EXPECT_EQ(userTermNames(vocabulary(*unit, 1)),
              (std::vector<std::string>{"PosLoMe", "NegLoMe", "PosUpMe", "NegUpMe"}));
    EXPECT_EQ(userTermNames(vocabulary(*unit, -1)), (std::vector<std::string>{"LoMe", "UpMe"}));

    const auto& x = vocabulary(*unit, 0);
    const auto& set =
        dynamic_cast<const CFuzzyQuadraticSet&>(*x.terms()[static_cast<std::size_t>(x.standardTermCount())].element);
    EXPECT_EQ(set.low(), 0.0);
    EXPECT_EQ(set.high(), 100.0);
    EXPECT_DOUBLE_EQ(set.mu(30.0), 1.0);
    EXPECT_DOUBLE_EQ(set.mu(19.6), 0.5);
    EXPECT_EQ(set.mu(50.0), 0.0);
}

}  // namespace
}  // namespace zorv
