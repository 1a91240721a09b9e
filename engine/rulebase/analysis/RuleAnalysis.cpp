#include "rulebase/analysis/RuleAnalysis.h"

#include <algorithm>

#include "rulebase/analysis/RuleTableReader.h"

namespace zorv {

namespace {
constexpr int kFirstOutput = -1;
}  // namespace

RuleAnalysis RuleAnalysis::of(const CRuleBase& unit) {
    return RuleAnalysis(RuleTableReader::read(unit));
}

int RuleAnalysis::compareCells(int variable, int a, int b) const {
    return AnalysisCell::compare(table_.cell(variable, a), table_.cell(variable, b));
}

bool RuleAnalysis::antecedentsEqual(int a, int b) const {
    for (int k = 0; k < table_.antecedentCount(); ++k) {
        if (compareCells(k, a, b) != AnalysisCell::kEqual) {
            return false;
        }
    }
    return true;
}

bool RuleAnalysis::succedentsEqual(int a, int b) const {
    for (int k = 0; k < table_.succedentCount(); ++k) {
        if (compareCells(~k, a, b) != AnalysisCell::kEqual) {
            return false;
        }
    }
    return true;
}

bool RuleAnalysis::conclusionTextsEqual(int a, int b) const {
    for (int k = 0; k < table_.succedentCount(); ++k) {
        if (table_.cell(~k, a).text != table_.cell(~k, b).text) {
            return false;
        }
    }
    return true;
}

bool RuleAnalysis::relation(int a, int b, RuleRelation kind) const {
    const bool antecedents = antecedentsEqual(a, b);
    if (kind == RuleRelation::duplicate && !antecedents) {
        return false;
    }
    const bool succedents = succedentsEqual(a, b);
    switch (kind) {
    case RuleRelation::duplicate: return succedents;
    case RuleRelation::inconsistent: return antecedents && !succedents;
    case RuleRelation::sameConclusion: return !antecedents && succedents;
    case RuleRelation::unrelated: return !antecedents && !succedents;
    }
    return false;
}

RuleGroups RuleAnalysis::groupRules(RuleRelation kind) const {
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
    bool aNarrower = false;
    bool bNarrower = false;
    for (int k = 0; k < table_.antecedentCount(); ++k) {
        const int result = compareCells(k, a, b);
        if (result == AnalysisCell::kFirstNarrower) {
            aNarrower = true;
        } else if (result == AnalysisCell::kSecondNarrower) {
            bNarrower = true;
        } else if (result != AnalysisCell::kEqual) {
            // Incomparable, or a cell that does not parse: such rules are never comparable.
            return AnalysisCell::kIncomparable;
        }
    }
    if (aNarrower == bNarrower) {
        return aNarrower ? AnalysisCell::kIncomparable : AnalysisCell::kEqual;
    }
    return aNarrower ? AnalysisCell::kFirstNarrower : AnalysisCell::kSecondNarrower;
}

bool RuleAnalysis::isRedundant(int r) const {
    for (int i = 0; i < ruleCount(); ++i) {
        if (i == r || !conclusionTextsEqual(i, r) || relation(i, r, RuleRelation::duplicate)) {
            continue;
        }
        // A disabled rule takes no part in inference, so it covers only rules that are disabled too.
        if (!table_.enabled(i) && table_.enabled(r)) {
            continue;
        }
        if (compareAntecedents(r, i) == AnalysisCell::kFirstNarrower) {
            return true;
        }
    }
    return false;
}

bool RuleAnalysis::joinsSuccedentGroup(int head, int member) const {
    const AnalysisCell& a = table_.cell(kFirstOutput, head);
    const AnalysisCell& b = table_.cell(kFirstOutput, member);
    return b.graded() && !b.negated() && a.term->atom == b.term->atom && a.term->sign == b.term->sign;
}

RuleGroups RuleAnalysis::splitByConsequentAtom(RuleGroup members) const {
    RuleGroups groups;
    while (!members.empty()) {
        const int head = members.front();
        members.erase(members.begin());
        const AnalysisCell& cell = table_.cell(kFirstOutput, head);
        if (!cell.graded() || cell.negated()) {
            continue;
        }
        RuleGroup group{head};
        RuleGroup rest;
        for (const int member : members) {
            (joinsSuccedentGroup(head, member) ? group : rest).push_back(member);
        }
        members = std::move(rest);
        if (group.size() >= 2) {
            groups.push_back(std::move(group));
        }
    }
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
    for (RuleGroup& inconsistent : groupRules(RuleRelation::inconsistent)) {
        for (RuleGroup& group : splitByConsequentAtom(std::move(inconsistent))) {
            moveMostSpecificToFront(group);
            result.push_back(std::move(group));
        }
    }
    return result;
}

RuleGroups RuleAnalysis::redundantInAntecedent() const {
    RuleGroups result;
    const int count = ruleCount();
    for (int j = 0; j < count; ++j) {
        RuleGroup candidate{j};
        for (int k = 0; k < count; ++k) {
            if (k != j && compareAntecedents(j, k) == AnalysisCell::kFirstNarrower && succedentsEqual(j, k)) {
                candidate.push_back(k);
            }
        }
        if (candidate.size() >= 2) {
            result.push_back(std::move(candidate));
        }
    }
    return result;
}

}  // namespace zorv
