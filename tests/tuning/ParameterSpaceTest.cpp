// What may move, within which bounds, and which values make a valid rule base.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"
#include "tuning/ParameterApplier.h"
#include "tuning/ParameterCollector.h"

namespace zorv {
namespace {

// A symmetric linguistic input, a "triang" input with a user term and a number in a rule, a linguistic input
// with a user term of every shape, and an output that is an alias of that input.
constexpr const char* kUnit = R"(TypeOfDescription=linguistic
InfMethod=Fuzzy_Approximation-functional
DefuzzMethod=SimpleCenterOfGravity
NumberOfAntecedentVariables=3
NumberOfSuccedentVariables=1
NumberOfRules=2

AntVariable1
 name=gap
 settings=linguistic
 context=<-40,40>
 discretization=101
 lingparams=0.05 0.304 0.4 0.94
End_AntVariable1

AntVariable2
 name=level
 settings=triang
 context=<-3,6>
 UserTerm
  name=peak
  type=triang
  parameters= -1 2 4
 End_UserTerm
End_AntVariable2

AntVariable3
 name=temp
 settings=linguistic
 context=<20,100>
 discretization=101
 lingparams=0.05 0.304 0.4 0.94
 UserTerm
  name=cool
  type=trapezoid
  parameters= 20 20 40 55
 End_UserTerm
 UserTerm
  name=warm
  type=quadratic
  parameters= 40 45 55 60 70 80
 End_UserTerm
 UserTerm
  name=hot
  type=gaussian
  parameters= 30 85 95 40
 End_UserTerm
End_AntVariable3

SucVariable1
 name=out
 settings=alias(temp)
End_SucVariable1

RULES
 "-sm" "ze" "cool" | "bi"
 "+bi" "about 5" "warm or hot" | "sm"
END_RULES
)";

std::vector<std::string> NamesOf(const ParameterSpace& space) {
    std::vector<std::string> names;
    for (const TuningParameter& p : space.Parameters()) names.push_back(p.name);
    return names;
}

ParameterSpace SpaceOf(const CRuleBase& unit, const std::set<std::string>& fixed = {}) {
    ParameterSpace space(ParameterCollector(unit, 0.25).Collect({true, true, true}, fixed));
    space.DropFixed();
    return space;
}

TEST(ParameterSpace, ListsEachVocabularyOnceAndLeavesOutWhatCannotMove) {
    const auto unit = CRuleBase::LoadFromText(kUnit, "unit");
    const std::vector<std::string> all = NamesOf(SpaceOf(*unit));
    const std::vector<std::string> gap = {"gap.high", "gap.lingparam1", "gap.lingparam2", "gap.lingparam3",
                                          "gap.lingparam4"};
    EXPECT_TRUE(std::equal(gap.begin(), gap.end(), all.begin()));  // a symmetric context is one parameter
    const auto has = [&all](const std::string& name) { return std::find(all.begin(), all.end(), name) != all.end(); };
    EXPECT_TRUE(has("level.low") && has("level.peak.1") && has("temp.warm.6") && has("temp.hot.1"));
    EXPECT_FALSE(has("level.lingparam1"));           // a triang vocabulary has none
    EXPECT_FALSE(has("temp.cool.1"));  // at the context's end with its neighbour: no room to move
    EXPECT_FALSE(has("out.low"));                    // the alias shares temp's vocabulary
    const std::vector<std::string> fixed = NamesOf(SpaceOf(*unit, {"out", "gap"}));
    EXPECT_TRUE(std::none_of(fixed.begin(), fixed.end(), [](const std::string& n) {
        return n.starts_with("temp.") || n.starts_with("gap.");
    }));
}

TEST(ParameterSpace, EveryPointOfTheDefaultBoxMakesAValidRuleBase) {
    const auto unit = CRuleBase::LoadFromText(kUnit, "unit");
    const ParameterApplier applier(*unit, SpaceOf(*unit));
    const std::vector<double> lower = applier.Space().Lower();
    const std::vector<double> upper = applier.Space().Upper();
    std::mt19937_64 random(1);
    std::vector<double> x(lower.size());
    for (int trial = 0; trial < 200; ++trial) {
        for (std::size_t k = 0; k < x.size(); ++k) {
            const int corner = trial < 2 ? trial : -1;  // the two extreme corners first
            const double u = corner >= 0 ? corner : static_cast<double>(random() >> 11) * 0x1.0p-53;
            x[k] = lower[k] + u * (upper[k] - lower[k]);
        }
        const AppliedParameters applied = applier.Apply(x);
        ASSERT_TRUE(applied.unit) << applied.problem;
        EXPECT_EQ(applied.unit->Rules(), unit->Rules());
        std::ostringstream saved;
        applied.unit->Save(saved);
        EXPECT_NO_THROW(CRuleBase::LoadFromText(saved.str(), "again"));
    }
}

// The values of a parameter space over the unit, with some of them set by name.
std::vector<double> With(const ParameterSpace& space, const std::vector<std::pair<std::string, double>>& set) {
    std::vector<double> x = space.Initial();
    for (const auto& [name, value] : set) {
        const auto& ps = space.Parameters();
        const auto at = std::find_if(ps.begin(), ps.end(), [&](const TuningParameter& p) { return p.name == name; });
        x[static_cast<std::size_t>(at - ps.begin())] = value;
    }
    return x;
}

TEST(ParameterApplier, RefusesValuesThatMakeNoValidRuleBase) {
    const auto unit = CRuleBase::LoadFromText(kUnit, "unit");
    ParameterSpace space(ParameterCollector(*unit, 0.25).Collect({true, true, true}, {}));
    const ParameterApplier applier(*unit, space);
    const auto problem = [&](const std::vector<std::pair<std::string, double>>& set) {
        const AppliedParameters applied = applier.Apply(With(space, set));
        EXPECT_FALSE(applied.unit);
        return applied.problem;
    };
    EXPECT_EQ(problem({{"temp.low", 100}}), "temp: the low bound of the context must be below the high bound <100, 100>");
    EXPECT_EQ(problem({{"gap.lingparam2", 0.5}}), "gap: the lingparams are not strictly ascending within [0, 1]");
    EXPECT_EQ(problem({{"gap.lingparam3", 0.38}}), "gap: the lingparams fold the shape of a word over or out of [0, 1]");
    EXPECT_EQ(problem({{"temp.warm.2", 56}}), "temp: the parameters of warm are out of order or out of the context");
    EXPECT_EQ(problem({{"temp.hot.1", 0}}), "temp: the parameters of hot are out of order or out of the context");
    EXPECT_EQ(problem({{"level.high", 4.5}}).rfind("a rule no longer compiles: ", 0), 0u);  // about 5 is outside
}

TEST(ParameterApplier, SetsTheUserTermsInTheGivenContextAndLetsThemFollowTheNewOne) {
    const auto unit = CRuleBase::LoadFromText(kUnit, "unit");
    const ParameterSpace space = SpaceOf(*unit);
    const AppliedParameters applied =
        ParameterApplier(*unit, space).Apply(With(space, {{"temp.low", 10}, {"temp.cool.3", 45}, {"temp.high", 90}}));
    ASSERT_TRUE(applied.unit) << applied.problem;
    const auto& settings = dynamic_cast<const CBasicSettings&>(applied.unit->Settings(2));
    const auto& cool = dynamic_cast<const CFuzzyParamSet&>(*settings.terms()[static_cast<std::size_t>(settings.standardTermCount())].element);
    // <20, 100> onto <10, 90>: every point moves by -10.
    EXPECT_EQ(cool.params(), (std::vector<double>{10, 10, 35, 45}));
    EXPECT_EQ(applied.unit->ContextLow(~0), 10);  // the alias output shares the vocabulary
}

}  // namespace
}  // namespace zorv
