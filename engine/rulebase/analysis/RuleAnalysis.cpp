#include "rulebase/analysis/RuleAnalysis.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

#include "rulebase/analysis/CoverFinder.h"
#include "rulebase/analysis/RuleTableReader.h"

namespace zorv {

namespace {

constexpr int kFirstOutput = -1;

// The first `listed` rules of the given classes of rules together, how many rules they hold and the last
// of them. The classes come in the order of their first rules, so the first `listed` classes hold the
// first rules.
RuleListExcerpt excerptOf(const std::vector<int>& classes, const std::vector<RuleGroup>& rulesOf,
                          std::size_t listed) {
    RuleListExcerpt excerpt;
    for (std::size_t i = 0; i < classes.size(); ++i) {
        const RuleGroup& rules = rulesOf[classes[i]];
        excerpt.count += static_cast<int>(rules.size());
        excerpt.last = std::max(excerpt.last, rules.back());
        if (i < listed) {
            excerpt.first.insert(excerpt.first.end(), rules.begin(),
                                 rules.begin() + static_cast<std::ptrdiff_t>(std::min(listed, rules.size())));
        }
    }
    std::sort(excerpt.first.begin(), excerpt.first.end());
    excerpt.first.resize(std::min(listed, excerpt.first.size()));
    return excerpt;
}

}  // namespace

RuleAnalysis RuleAnalysis::of(const CRuleBase& unit) {
    return RuleAnalysis(RuleTableReader::read(unit));
}

int RuleAnalysis::compareCells(int variable, int a, int b) const {
    return AnalysisCell::compare(table_.cell(variable, a), table_.cell(variable, b));
}

bool RuleAnalysis::relation(int a, int b, RuleRelation kind) const {
    const bool antecedents = keys_.antecedentsEqual(a, b);
    const bool succedents = keys_.succedentsEqual(a, b);
    switch (kind) {
    case RuleRelation::duplicate: return antecedents && succedents;
    case RuleRelation::inconsistent: return antecedents && !succedents;
    case RuleRelation::sameConclusion: return !antecedents && succedents;
    case RuleRelation::unrelated: return !antecedents && !succedents;
    }
    return false;
}

// Equality of cells is transitive, so the rules related to an anchor by duplicate, inconsistent or same
// conclusion share a bucket key with it (the whole rule, the antecedents, the conclusion). Within a bucket
// the first rule anchors the only group: the rules it leaves unmarked equal it in the part that must differ,
// so they are related neither to it nor to each other.
RuleGroups RuleAnalysis::groupRules(RuleRelation kind) const {
    const auto antecedentKey = [this](int rule) { return BucketKey{keys_.antecedentKey(rule)}; };
    const auto succedentKey = [this](int rule) { return BucketKey{keys_.succedentKey(rule)}; };
    switch (kind) {
    case RuleRelation::duplicate:
        return anchoredGroups(
            [this](int rule) { return (BucketKey{keys_.antecedentKey(rule)} << 32) | keys_.succedentKey(rule); },
            [](int, int) { return true; });
    case RuleRelation::inconsistent:
        return anchoredGroups(antecedentKey, [this](int anchor, int rule) { return !keys_.succedentsEqual(anchor, rule); });
    case RuleRelation::sameConclusion:
        return anchoredGroups(succedentKey,
                              [this](int anchor, int rule) { return !keys_.antecedentsEqual(anchor, rule); });
    case RuleRelation::unrelated: return pairwiseGroups(kind);
    }
    return {};
}

RuleGroups RuleAnalysis::anchoredGroups(const std::function<BucketKey(int)>& bucketOf,
                                        const std::function<bool(int, int)>& joins) const {
    RuleGroups buckets;
    std::unordered_map<BucketKey, std::size_t> bucketIndex;
    for (int rule = 0; rule < ruleCount(); ++rule) {
        const auto [found, added] = bucketIndex.try_emplace(bucketOf(rule), buckets.size());
        if (added) {
            buckets.push_back({rule});
        } else if (joins(buckets[found->second].front(), rule)) {
            buckets[found->second].push_back(rule);
        }
    }
    RuleGroups groups;
    for (RuleGroup& bucket : buckets) {
        if (bucket.size() >= 2) {
            groups.push_back(std::move(bucket));
        }
    }
    return groups;
}

RuleGroups RuleAnalysis::pairwiseGroups(RuleRelation kind) const {
    const int count = ruleCount();
    std::vector<bool> marked(static_cast<std::size_t>(count), false);
    RuleGroups groups;
    for (int i = 0; i < count; ++i) {
        if (marked[i]) {
            continue;
        }
        RuleGroup group;
        for (int j = i + 1; j < count; ++j) {
            if (marked[j] || !relation(i, j, kind)) {
                continue;
            }
            if (group.empty()) {
                group.push_back(i);
                marked[i] = true;
            }
            group.push_back(j);
            marked[j] = true;
        }
        if (!group.empty()) {
            groups.push_back(std::move(group));
        }
    }
    return groups;
}

int RuleAnalysis::compareAntecedents(int a, int b) const {
    return keys_.compareAntecedentKeys(keys_.antecedentKey(a), keys_.antecedentKey(b));
}

bool RuleAnalysis::isRedundant(int r) const {
    for (int i = 0; i < ruleCount(); ++i) {
        if (i == r || keys_.conclusionKey(i) != keys_.conclusionKey(r)) {
            continue;
        }
        // A disabled rule takes no part in inference, so it covers only rules that are disabled too.
        if (!table_.enabled(i) && table_.enabled(r)) {
            continue;
        }
        // Narrower antecedents also mean the two rules are not duplicates.
        if (compareAntecedents(r, i) == AnalysisCell::kFirstNarrower) {
            return true;
        }
    }
    return false;
}

std::vector<bool> RuleAnalysis::redundantRules() const {
    // Classes of rules with the same conclusion texts and equal antecedents; each pair of classes is judged once.
    struct Class {
        int conclusion;
        int antecedents;
        bool anyEnabled = false;
        bool covered = false;
        bool coveredByEnabled = false;
    };
    std::vector<Class> classes;
    std::vector<int> classOf(static_cast<std::size_t>(ruleCount()));
    std::unordered_map<BucketKey, int> classIndex;
    std::unordered_map<int, std::vector<int>> byConclusion;
    for (int rule = 0; rule < ruleCount(); ++rule) {
        const int conclusion = keys_.conclusionKey(rule);
        const int antecedents = keys_.antecedentKey(rule);
        const auto [found, added] =
            classIndex.try_emplace((BucketKey{conclusion} << 32) | antecedents, static_cast<int>(classes.size()));
        if (added) {
            classes.push_back(Class{conclusion, antecedents});
            byConclusion[conclusion].push_back(found->second);
        }
        classOf[rule] = found->second;
        classes[found->second].anyEnabled = classes[found->second].anyEnabled || table_.enabled(rule);
    }
    for (const auto& group : byConclusion) {
        const std::vector<int>& members = group.second;  // named, not bound: lambdas below capture it
        std::vector<int> antecedentKeys;
        for (const int c : members) {
            antecedentKeys.push_back(classes[c].antecedents);
        }
        CoverFinder::forEachCovered(keys_, antecedentKeys, [&](int covered, const std::vector<int>& coverers) {
            Class& narrower = classes[members[covered]];
            narrower.covered = true;
            narrower.coveredByEnabled = std::any_of(coverers.begin(), coverers.end(),
                                                    [&](int coverer) { return classes[members[coverer]].anyEnabled; });
        });
    }
    std::vector<bool> redundant(static_cast<std::size_t>(ruleCount()));
    for (int rule = 0; rule < ruleCount(); ++rule) {
        const Class& c = classes[classOf[rule]];
        redundant[rule] = c.coveredByEnabled || (c.covered && !table_.enabled(rule));
    }
    return redundant;
}

RuleGroups RuleAnalysis::splitByConsequentAtom(const RuleGroup& members) const {
    // Members with a small, medium or big consequent (not negated) grouped by atom and sign, in the order in
    // which each atom and sign first occurs.
    RuleGroups groups;
    std::unordered_map<int, std::size_t> groupOf;
    for (const int member : members) {
        const AnalysisCell& cell = table_.cell(kFirstOutput, member);
        if (!cell.graded() || cell.negated()) {
            continue;
        }
        const int atomAndSign = cell.term->atom * 3 + cell.term->sign + 1;
        const auto [found, added] = groupOf.try_emplace(atomAndSign, groups.size());
        if (added) {
            groups.emplace_back();
        }
        groups[found->second].push_back(member);
    }
    std::erase_if(groups, [](const RuleGroup& group) { return group.size() < 2; });
    return groups;
}

void RuleAnalysis::moveMostSpecificToFront(RuleGroup& group) const {
    const auto rank = [this](int rule) { return table_.cell(kFirstOutput, rule).term->specificity(); };
    const auto best = std::min_element(group.begin(), group.end(),
                                       [&rank](int a, int b) { return rank(a) < rank(b); });
    std::iter_swap(group.begin(), best);
}

RuleGroups RuleAnalysis::redundantInSuccedent() const {
    RuleGroups result;
    if (table_.succedentCount() == 0) {
        return result;
    }
    for (const RuleGroup& inconsistent : groupRules(RuleRelation::inconsistent)) {
        for (RuleGroup& group : splitByConsequentAtom(inconsistent)) {
            moveMostSpecificToFront(group);
            result.push_back(std::move(group));
        }
    }
    return result;
}

RuleGroups RuleAnalysis::redundantInAntecedent() const {
    RuleGroups result;
    for (Covered& covered : antecedentCoverage()) {
        RuleGroup group{covered.rule};
        group.insert(group.end(), covered.coverers.first.begin(), covered.coverers.first.end());
        result.push_back(std::move(group));
    }
    return result;
}

std::vector<RuleAnalysis::Covered> RuleAnalysis::antecedentCoverage(std::size_t listed) const {
    std::vector<Covered> result;
    for (const RuleGroup& group : groupRules(RuleRelation::sameConclusion)) {
        coverWithin(group, listed, result);
    }
    return result;
}

// The members of a group (ascending) with equal antecedents share their coverers, which are worked out once
// per class of equal antecedents.
void RuleAnalysis::coverWithin(const RuleGroup& group, std::size_t listed, std::vector<Covered>& result) const {
    std::vector<RuleGroup> classes;  // the members with equal antecedents, in order of their first member
    std::vector<int> antecedentKeys;
    std::vector<int> classOfMember;
    std::unordered_map<int, int> classIndex;
    for (const int member : group) {
        const int key = keys_.antecedentKey(member);
        const auto [found, added] = classIndex.try_emplace(key, static_cast<int>(classes.size()));
        if (added) {
            classes.emplace_back();
            antecedentKeys.push_back(key);
        }
        classes[found->second].push_back(member);
        classOfMember.push_back(found->second);
    }
    std::vector<std::optional<RuleListExcerpt>> excerpts(classes.size());
    CoverFinder::forEachCovered(keys_, antecedentKeys, [&](int covered, const std::vector<int>& coverers) {
        excerpts[covered] = excerptOf(coverers, classes, listed);
    });
    for (std::size_t i = 0; i < group.size(); ++i) {
        if (const std::optional<RuleListExcerpt>& excerpt = excerpts[classOfMember[i]]) {
            result.push_back(Covered{group[i], *excerpt});
        }
    }
}

}  // namespace zorv
