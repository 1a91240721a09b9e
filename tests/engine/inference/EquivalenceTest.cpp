// The fast methods against the literal transcriptions (LiteralInference.cpp) on random rule bases and inputs:
// conclusions, fired flags and fired counts must be identical; defuzzified values identical too, except where
// centroid sums are accumulated in another order (last bits only).
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "LiteralInference.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "inference/compiled/Workspace.h"
#include "tests/support/TestUnits.h"

namespace zorv::test {

namespace {

bool Compiles(const CSettings& settings, const std::string& text) {
    const auto* vocabulary = dynamic_cast<const CBasicSettings*>(&settings);
    try {
        return vocabulary != nullptr && !settings.checkSyntax(text) && (vocabulary->evaluate(text, 11), true);
    } catch (const std::exception&) {
        return false;
    }
}

class RandomUnits {
public:
    explicit RandomUnits(unsigned seed) : rng_(seed) {}

    // maxAntecedents / maxDiscretization keep the fuzzy-input transcriptions affordable.
    std::unique_ptr<CRuleBase> Make(int maxAntecedents, int maxDiscretization) {
        const int nAnt = Uniform(1, maxAntecedents);
        std::vector<VariableLayout> antecedents;
        for (int k = 0; k < nAnt; ++k) antecedents.push_back(Variable(maxDiscretization));
        const VariableLayout succedent = Variable(maxDiscretization + 20);
        const auto probe = MakeUnit(DescriptionType::linguistic, antecedents, succedent, {});
        std::vector<RuleRow> rules;
        const int count = Uniform(0, 14);
        for (int r = 0; r < count; ++r) {
            RuleRow row{Uniform(0, 9) > 1, {}};
            for (int k = 0; k < nAnt; ++k) row.texts.push_back(Text(probe->Settings(k)));
            row.texts.push_back(Text(probe->Settings(-1)));
            rules.push_back(row);
        }
        auto unit = MakeUnit(DescriptionType::linguistic, antecedents, succedent, rules);
        if (Uniform(0, 4) == 0) unit->SetPerceptionLower(0.0);
        return unit;
    }

    // Inputs inside the contexts: anywhere, at grid points, at the ends and at 40 % of the context.
    std::vector<double> Inputs(const CRuleBase& unit) {
        std::vector<double> x;
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            const double lo = unit.ContextLow(k);
            const double hi = unit.ContextHigh(k);
            const int n = unit.Discretization(k);
            switch (Uniform(0, 5)) {
                case 0:
                    x.push_back(lo + (hi - lo) * Uniform(0, n - 1) / (n - 1));
                    break;
                case 1:
                    x.push_back(Uniform(0, 1) == 0 ? lo : hi);
                    break;
                case 2:
                    x.push_back(unit.Settings(k).symmetric() ? 0.4 * hi * (Uniform(0, 1) ? 1 : -1) : lo + 0.4 * (hi - lo));
                    break;
                default:
                    x.push_back(std::uniform_real_distribution<double>(lo, hi)(rng_));
            }
        }
        return x;
    }

    std::vector<std::vector<double>> FuzzyInputs(const CRuleBase& unit) {
        std::vector<std::vector<double>> X;
        for (int k = 0; k < unit.AntecedentCount(); ++k) {
            std::vector<double> s(static_cast<std::size_t>(unit.Discretization(k)), 0.0);
            for (double& v : s)
                if (Uniform(0, 2) == 0) v = Uniform(0, 4) == 0 ? 1.0 : std::uniform_real_distribution<double>(0, 1)(rng_);
            X.push_back(s);
        }
        return X;
    }

    int Uniform(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }

private:
    VariableLayout Variable(int maxDiscretization) {
        // The first three contexts suit both vocabularies ("triang" has standard terms only on <0, h> or
        // on a context around 0).
        static const std::pair<double, double> kContexts[] = {{0, 1}, {-2, 2}, {-1, 3}, {1, 5}, {-10, 10}};
        const bool triang = Uniform(0, 3) == 0;
        const auto& c = kContexts[Uniform(0, triang ? 2 : 4)];
        return {c.first, c.second, Uniform(3, maxDiscretization), triang ? Vocabulary::Triang : Vocabulary::Linguistic};
    }

    // A random expression the vocabulary accepts.
    std::string Text(const CSettings& settings) {
        static const char* kAtoms[] = {"sm", "me", "bi", "ze"};
        static const char* kHedges[] = {"", "ex ", "si ", "ve ", "ra ", "ml ", "ro ", "qr ", "vr "};
        static const char* kSigns[] = {"", "", "-", "+"};
        for (;;) {
            std::string text = std::string(kSigns[Uniform(0, 3)]) + kHedges[Uniform(0, 8)] + kAtoms[Uniform(0, 3)];
            if (Uniform(0, 5) == 0) text += std::string(" or ") + kHedges[Uniform(0, 8)] + kAtoms[Uniform(0, 3)];
            else if (Uniform(0, 7) == 0) text += std::string(" and ") + kHedges[Uniform(0, 8)] + kAtoms[Uniform(0, 3)];
            if (Compiles(settings, text)) return text;
        }
    }

    std::mt19937 rng_;
};

std::vector<double> Values(const CFuzzyDiscreteSet& set) { return {set.values().begin(), set.values().end()}; }

constexpr int kUnits = 300;
constexpr int kInputsPerUnit = 8;
const int kCrispRows[] = {0, 1, 3, 4, 5};

}  // namespace

TEST(Equivalence, CrispMethodsMatchTheLiteralAlgorithms) {
    Workspace ws;
    RandomUnits random(20240611);
    for (int u = 0; u < kUnits; ++u) {
        auto unit = random.Make(3, 41);
        for (int i = 0; i < kInputsPerUnit; ++i) {
            const std::vector<double> x = random.Inputs(*unit);
            for (const int row : kCrispRows) {
                SCOPED_TRACE("unit " + std::to_string(u) + ", input " + std::to_string(i) + ", row " + std::to_string(row));
                const auto& method = InferenceMethodTable()[static_cast<std::size_t>(row)];
                CFuzzyDiscreteSet conclusion;
                method.crisp(*unit->Compiled(), ws, x.data(), conclusion);
                const literal::Outcome expected = literal::Infer(*unit, row, x.data());
                ASSERT_EQ(Values(conclusion), expected.conclusion);
                ASSERT_EQ(ws.fired, expected.fired);
                ASSERT_EQ(ws.firedCount, expected.firedCount);
                ASSERT_EQ(ws.inputs, x);
            }
        }
    }
}

TEST(Equivalence, FuzzyInputMethodsMatchTheLiteralAlgorithms) {
    Workspace ws;
    RandomUnits random(77);
    for (int u = 0; u < 120; ++u) {
        auto unit = random.Make(2, 13);
        const auto X = random.FuzzyInputs(*unit);
        std::vector<CFuzzyDiscreteSet> sets;
        for (int k = 0; k < unit->AntecedentCount(); ++k)
            sets.emplace_back(X[static_cast<std::size_t>(k)], unit->ContextLow(k), unit->ContextHigh(k));
        std::vector<const CFuzzyDiscreteSet*> inputs;
        for (const auto& s : sets) inputs.push_back(&s);
        ws.Fit(*unit->Compiled());
        ws.fired.assign(ws.fired.size(), 1);
        ws.firedCount = -7;
        CFuzzyDiscreteSet logical;
        CFuzzyDiscreteSet functional;
        InferenceMethodTable()[2].fuzzy(*unit->Compiled(), ws, inputs.data(), logical);
        InferenceMethodTable()[6].fuzzy(*unit->Compiled(), ws, inputs.data(), functional);
        SCOPED_TRACE("unit " + std::to_string(u));
        EXPECT_EQ(Values(logical), literal::LogicalFuzzyInput(*unit, X));
        EXPECT_EQ(Values(functional), literal::FunctionalFuzzyInput(*unit, X));
        EXPECT_EQ(ws.firedCount, -7);  // fuzzy-input methods leave the fired flags alone
    }
}

TEST(Equivalence, DefuzzifiersMatchTheLiteralAlgorithms) {
    Workspace ws;
    RandomUnits random(4242);
    using Literal = double (*)(const literal::Conclusion&);
    const Literal kLiteral[] = {literal::Cog, literal::ModifiedCog, literal::SimpleDee, literal::SimpleDeeCog,
                                literal::Dee, literal::Mom};
    const bool kSummed[] = {true, false, false, true, true, false};  // centroid sums in another order
    for (int u = 0; u < kUnits; ++u) {
        auto unit = random.Make(3, 41);
        for (int i = 0; i < kInputsPerUnit; ++i) {
            const std::vector<double> x = random.Inputs(*unit);
            for (const int row : kCrispRows) {
                CFuzzyDiscreteSet conclusion;
                const ConclusionRange range = InferenceMethodTable()[static_cast<std::size_t>(row)].crisp(*unit->Compiled(), ws, x.data(), conclusion);
                const literal::Conclusion c = literal::ConclusionOf(*unit, Values(conclusion));
                for (int d = 0; d < 6; ++d) {
                    SCOPED_TRACE("unit " + std::to_string(u) + ", row " + std::to_string(row) + ", method " + std::to_string(d));
                    const auto& method = DefuzzificationMethodTable()[static_cast<std::size_t>(d)];
                    const double expected = kLiteral[d](c);
                    const double whole = method.method(*unit->Compiled(), ws, conclusion);
                    const double ranged = method.ranged(*unit->Compiled(), ws, conclusion, range);
                    if (kSummed[d]) {
                        ASSERT_NEAR(whole, expected, 1e-12 * (1 + std::abs(expected)));
                    } else {
                        ASSERT_EQ(whole, expected);
                    }
                    ASSERT_EQ(ranged, whole);
                }
            }
        }
    }
}

TEST(Equivalence, SmoothDefuzzificationMatchesTheLiteralNeighbourhood) {
    Workspace ws;
    RandomUnits random(99);
    for (int u = 0; u < 25; ++u) {
        auto unit = random.Make(2, 21);
        unit->SetSteps(random.Uniform(2, 30));
        unit->SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
        const int row = kCrispRows[random.Uniform(0, 4)];
        unit->SetInferenceMethod(InferenceMethodTable()[static_cast<std::size_t>(row)]);
        const std::vector<double> x = random.Inputs(*unit);
        const double expected = literal::Smooth(*unit, row, x.data());
        if (expected == 0.0) continue;  // every weight 0: the unit answers differently (see SmoothTest)
        SCOPED_TRACE("unit " + std::to_string(u));
        EXPECT_EQ(unit->Evaluate(x, ws), expected);
        const literal::Outcome atInputs = literal::Infer(*unit, row, x.data());
        EXPECT_EQ(ws.fired, atInputs.fired);
        EXPECT_EQ(ws.inputs, x);
    }
}

}  // namespace zorv::test

namespace zorv::test {

namespace {

// Evaluates the unit at every point of an n x n grid over its first two contexts (the ends included) with every
// conclusion-producing method, one method after another on the same unit, so that what the smooth
// defuzzification keeps between evaluations meets other points, other methods and other enabled flags.
void ExpectSmoothMatchesOnGrid(CRuleBase& unit, int n, std::span<const int> rows) {
    unit.SetDefuzzificationMethod(DefuzzificationMethodTable()[6]);
    for (const int row : rows) {
        unit.SetInferenceMethod(InferenceMethodTable()[static_cast<std::size_t>(row)]);
        if (unit.RuleCount() > 1) unit.SetEnabled(row % unit.RuleCount(), row % 2 == 0);
        for (int i = 0; i < n * n; ++i) {
            std::vector<double> x;
            for (int k = 0; k < unit.AntecedentCount(); ++k) {
                const int step = k == 0 ? i % n : (k == 1 ? i / n : n / 2);
                x.push_back(unit.ContextLow(k) + step * (unit.ContextHigh(k) - unit.ContextLow(k)) / (n - 1));
            }
            const double expected = literal::Smooth(unit, row, x.data());
            if (expected == 0.0) continue;  // every weight 0: the unit answers differently (see SmoothTest)
            ASSERT_EQ(unit.Evaluate(x.data()), expected) << "row " << row << " point " << i;
        }
    }
}

}  // namespace

TEST(Equivalence, SmoothDefuzzificationOverAGridOfInputsWithEveryMethod) {
    const int allRows[] = {0, 1, 2, 3, 4, 5, 6};
    RandomUnits random(7);
    for (int u = 0; u < 10; ++u) {
        auto unit = random.Make(3, 11);
        unit->SetSteps(random.Uniform(4, 12));
        SCOPED_TRACE("unit " + std::to_string(u));
        ExpectSmoothMatchesOnGrid(*unit, 5, allRows);
    }
    const auto heater = CRuleBase::Load(std::string(ZORV_SOURCE_DIR) + "/examples/heater.rb");
    heater->SetSteps(8);
    ExpectSmoothMatchesOnGrid(*heater, 6, kCrispRows);
}

}  // namespace zorv::test
