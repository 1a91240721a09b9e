#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "AnalysisTestSupport.h"

namespace zorv {
namespace {

// The analyses written the plain way, every pair of rules compared cell by cell, against which the keyed
// groupings are checked on many small random rule bases.
class PairwiseReference {
public:
    explicit PairwiseReference(const RuleAnalysis& analysis) : a_(analysis), t_(analysis.table()) {}

    bool equal(int first, int count, int a, int b) const {
        for (int k = first; k < first + count; ++k) {
            if (a_.compareCells(k < t_.antecedentCount() ? k : ~(k - t_.antecedentCount()), a, b) != 0) return false;
        }
        return true;
    }
    bool relation(int a, int b, RuleRelation kind) const {
        const bool ants = equal(0, t_.antecedentCount(), a, b);
        const bool sucs = equal(t_.antecedentCount(), t_.succedentCount(), a, b);
        switch (kind) {
        case RuleRelation::duplicate: return ants && sucs;
        case RuleRelation::inconsistent: return ants && !sucs;
        case RuleRelation::sameConclusion: return !ants && sucs;
        case RuleRelation::unrelated: return !ants && !sucs;
        }
        return false;
    }
    RuleGroups groupRules(RuleRelation kind) const {
        std::vector<bool> marked(t_.ruleCount());
        RuleGroups groups;
        for (int i = 0; i < t_.ruleCount(); ++i) {
            RuleGroup group{i};
            for (int j = i + 1; j < t_.ruleCount() && !marked[i]; ++j) {
                if (!marked[j] && relation(i, j, kind)) group.push_back(j), marked[j] = true;
            }
            if (group.size() > 1) groups.push_back(group), marked[i] = true;
        }
        return groups;
    }
    int compareAntecedents(int a, int b) const {
        bool one = false, two = false;
        for (int k = 0; k < t_.antecedentCount(); ++k) {
            const int r = a_.compareCells(k, a, b);
            if (r == 1) one = true;
            else if (r == 2) two = true;
            else if (r != 0) return 100;
        }
        return one && two ? 100 : one ? 1 : two ? 2 : 0;
    }
    bool isRedundant(int r) const {
        for (int i = 0; i < t_.ruleCount(); ++i) {
            bool sameTexts = i != r;
            for (int k = 0; k < t_.succedentCount(); ++k) sameTexts = sameTexts && t_.cell(~k, i).text == t_.cell(~k, r).text;
            if (sameTexts && !relation(i, r, RuleRelation::duplicate) && (t_.enabled(i) || !t_.enabled(r)) &&
                compareAntecedents(r, i) == 1) {
                return true;
            }
        }
        return false;
    }
    RuleGroups redundantInAntecedent() const {
        RuleGroups result;
        for (const RuleGroup& group : groupRules(RuleRelation::sameConclusion)) {
            for (const int j : group) {
                RuleGroup candidate{j};
                for (const int k : group) {
                    if (k != j && compareAntecedents(j, k) == 1) candidate.push_back(k);
                }
                if (candidate.size() > 1) result.push_back(candidate);
            }
        }
        return result;
    }
    RuleGroups redundantInSuccedent() const {
        RuleGroups result;
        for (RuleGroup members : t_.succedentCount() ? groupRules(RuleRelation::inconsistent) : RuleGroups{}) {
            while (!members.empty()) {
                const int head = members.front();
                members.erase(members.begin());
                const AnalysisCell& h = t_.cell(-1, head);
                if (!h.graded() || h.negated()) continue;
                RuleGroup group{head}, rest;
                for (const int m : members) {
                    const AnalysisCell& c = t_.cell(-1, m);
                    const bool joins = c.graded() && !c.negated() && c.term->atom == h.term->atom &&
                                       c.term->sign == h.term->sign;
                    (joins ? group : rest).push_back(m);
                }
                members = rest;
                if (group.size() < 2) continue;
                const auto rank = [this](int r) { return t_.cell(-1, r).term->specificity(); };
                std::iter_swap(group.begin(), std::min_element(group.begin(), group.end(), [&](int x, int y) {
                                   return rank(x) < rank(y);
                               }));
                result.push_back(group);
            }
        }
        return result;
    }

private:
    const RuleAnalysis& a_;
    const RuleTable& t_;
};

TEST(GroupingEquivalenceTest, KeyedAnalysesEqualThePairwiseOnes) {
    const std::vector<std::string> inputs{"sm", "ve sm", "ex sm", "ml sm", "-sm", "me",        "ml me",
                                          "bi", "vr bi", "no sm", "ze",    "t1",  "about 0.5", "!x"};
    const std::vector<std::string> outputs{"sm", "ve sm", "bi", "ve bi", "me", "ze", "!x", "-bi", "no bi"};
    std::mt19937 random(2024);
    const auto pick = [&random](const std::vector<std::string>& words, std::size_t few) {
        return words[std::uniform_int_distribution<std::size_t>(0, few - 1)(random)];
    };
    for (int base = 0; base < 400; ++base) {
        const int ants = base % 4;
        const int sucs = 1 + base % 2;
        // A few words per base, so that equal and comparable cells are frequent.
        const std::size_t inWords = 2 + base % 5;
        const std::size_t outWords = 2 + base % 4;
        std::vector<test::TestRule> rules;
        for (int r = 0, n = 2 + base % 13; r < n; ++r) {
            std::vector<std::string> cells;
            for (int k = 0; k < ants; ++k) cells.push_back(pick(inputs, inWords + (r % 3 == 0 ? 5 : 0)));
            for (int k = 0; k < sucs; ++k) cells.push_back(pick(outputs, outWords + (r % 4 == 0 ? 4 : 0)));
            rules.emplace_back(cells, random() % 4 != 0);
        }
        const RuleAnalysis analysis = test::analysisOf(rules, ants, sucs);
        const PairwiseReference reference(analysis);
        SCOPED_TRACE("base " + std::to_string(base));
        for (const RuleRelation kind : {RuleRelation::duplicate, RuleRelation::inconsistent,
                                        RuleRelation::sameConclusion, RuleRelation::unrelated}) {
            ASSERT_EQ(analysis.groupRules(kind), reference.groupRules(kind)) << "kind " << static_cast<int>(kind);
        }
        std::vector<bool> redundant;
        for (int a = 0; a < analysis.ruleCount(); ++a) {
            redundant.push_back(reference.isRedundant(a));
            ASSERT_EQ(analysis.isRedundant(a), redundant.back()) << a;
            for (int b = 0; b < analysis.ruleCount(); ++b) {
                ASSERT_EQ(analysis.compareAntecedents(a, b), reference.compareAntecedents(a, b)) << a << " " << b;
            }
        }
        ASSERT_EQ(analysis.redundantRules(), redundant);
        const RuleGroups covered = reference.redundantInAntecedent();
        ASSERT_EQ(analysis.redundantInAntecedent(), covered);
        ASSERT_EQ(analysis.redundantInSuccedent(), reference.redundantInSuccedent());
        const auto excerpts = analysis.antecedentCoverage(2);
        ASSERT_EQ(excerpts.size(), covered.size());
        for (std::size_t g = 0; g < covered.size(); ++g) {
            const RuleGroup& group = covered[g];
            const RuleGroup firstTwo(group.begin() + 1, group.begin() + std::min<std::size_t>(3, group.size()));
            EXPECT_EQ(excerpts[g], (RuleAnalysis::Covered{group.front(), {firstTwo, int(group.size()) - 1, group.back()}}));
        }
    }
}

}  // namespace
}  // namespace zorv
