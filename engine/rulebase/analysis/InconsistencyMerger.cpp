#include "rulebase/analysis/InconsistencyMerger.h"

#include <algorithm>
#include <unordered_map>

#include "rulebase/CRuleBase.h"
#include "rulebase/analysis/CRuleList.h"
#include "rulebase/analysis/ConsequentValue.h"
#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

InconsistencyMerger::InconsistencyMerger(const CRuleBase& unit, const RuleAnalysis& analysis,
                                         std::vector<RuleRow> rows)
    : unit_(unit), analysis_(analysis), rows_(std::move(rows)) {}

std::optional<std::vector<RuleRow>> InconsistencyMerger::merge() const {
    const RuleTable& table = analysis_.table();
    if (table.succedentCount() == 0 || static_cast<int>(rows_.size()) != table.ruleCount()) {
        return std::nullopt;
    }
    const RuleGroups groups = analysis_.groupRules(RuleRelation::inconsistent);
    const RuleGroups copies = copiesOfAnchors(groups);
    CRuleList list(true);
    std::vector<bool> used(rows_.size(), false);
    bool merged = false;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (std::optional<RuleRow> row = mergeGroup(groups[g], copies[g])) {
            list.add(std::move(*row));
            for (const RuleGroup* replaced : {&groups[g], &copies[g]}) {
                for (const int rule : *replaced) {
                    used[rule] = true;
                }
            }
            merged = true;
        }
    }
    if (!merged) {
        return std::nullopt;
    }
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (!used[r]) {
            list.add(rows_[r]);
        }
    }
    return std::move(list).takeRows();
}

RuleGroups InconsistencyMerger::copiesOfAnchors(const RuleGroups& groups) const {
    // A group holds every rule with its antecedents that differs from its first rule in the conclusion, so
    // the other rules with those antecedents are copies of the first rule.
    std::unordered_map<int, std::size_t> groupOfAntecedents;
    std::vector<bool> grouped(rows_.size(), false);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        groupOfAntecedents.emplace(analysis_.keys().antecedentKey(groups[g].front()), g);
        for (const int member : groups[g]) {
            grouped[member] = true;
        }
    }
    RuleGroups copies(groups.size());
    for (int r = 0; r < analysis_.ruleCount(); ++r) {
        const auto group = groupOfAntecedents.find(analysis_.keys().antecedentKey(r));
        if (!grouped[r] && group != groupOfAntecedents.end() &&
            analysis_.relation(groups[group->second].front(), r, RuleRelation::duplicate)) {
            copies[group->second].push_back(r);
        }
    }
    return copies;
}

std::optional<RuleRow> InconsistencyMerger::mergeGroup(const RuleGroup& group, const RuleGroup& copies) const {
    const int antecedents = analysis_.table().antecedentCount();
    const int succedents = analysis_.table().succedentCount();
    std::optional<std::string> first = averagedConsequent(group, 0);
    if (!first) {
        return std::nullopt;
    }
    const RuleRow& anchor = rows_[group.front()];
    RuleRow row;
    const auto enabled = [this](int rule) { return rows_[rule].enabled; };
    row.enabled = std::any_of(group.begin(), group.end(), enabled) || std::any_of(copies.begin(), copies.end(), enabled);
    row.texts.assign(anchor.texts.begin(), anchor.texts.begin() + antecedents);
    row.texts.push_back(std::move(*first));
    for (int k = 1; k < succedents; ++k) {
        const std::string& kept = anchor.texts[antecedents + k];
        row.texts.push_back(membersAgree(group, k) ? kept : averagedConsequent(group, k).value_or(kept));
    }
    row.comment = joinedComments(group, copies);
    return row;
}

// What the user wrote above the rules that the merged rule replaces stays with it, in rule order.
std::string InconsistencyMerger::joinedComments(const RuleGroup& group, const RuleGroup& copies) const {
    RuleGroup rules = group;
    rules.insert(rules.end(), copies.begin(), copies.end());
    std::sort(rules.begin(), rules.end());
    std::string joined;
    for (const int rule : rules) {
        const std::string& comment = rows_[rule].comment;
        if (comment.empty()) continue;
        if (!joined.empty()) joined += '\n';
        joined += comment;
    }
    return joined;
}

bool InconsistencyMerger::membersAgree(const RuleGroup& group, int output) const {
    for (const int member : group) {
        if (analysis_.compareCells(~output, group.front(), member) != AnalysisCell::kEqual) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> InconsistencyMerger::averagedConsequent(const RuleGroup& group, int output) const {
    const int variable = ~output;
    double sum = 0.0;
    int count = 0;
    for (const int member : group) {
        const AnalysisCell& cell = analysis_.table().cell(variable, member);
        if (const std::optional<double> value = ConsequentValue::of(unit_, variable, member, cell)) {
            sum += *value;
            ++count;
        }
    }
    if (count == 0) {
        return std::nullopt;
    }
    const std::string number =
        ConsequentValue::printWithin(sum / count, unit_.ContextLow(variable), unit_.ContextHigh(variable));
    return unit_.Settings(variable).isLinear() ? number : "about " + number;
}

}  // namespace zorv
