#include "rulebase/analysis/InconsistencyMerger.h"

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
    std::vector<bool> grouped(rows_.size(), false);
    for (const RuleGroup& group : groups) {
        for (const int member : group) {
            grouped[member] = true;
        }
    }
    CRuleList list(true);
    std::vector<bool> used(rows_.size(), false);
    bool merged = false;
    for (const RuleGroup& group : groups) {
        if (std::optional<RuleRow> row = mergeGroup(group)) {
            list.add(std::move(*row));
            absorbGroup(group, grouped, used);
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

void InconsistencyMerger::absorbGroup(const RuleGroup& group, const std::vector<bool>& grouped,
                                      std::vector<bool>& used) const {
    for (const int member : group) {
        used[member] = true;
    }
    for (int r = 0; r < analysis_.ruleCount(); ++r) {
        if (!grouped[r] && analysis_.relation(group.front(), r, RuleRelation::duplicate)) {
            used[r] = true;
        }
    }
}

std::optional<RuleRow> InconsistencyMerger::mergeGroup(const RuleGroup& group) const {
    const int antecedents = analysis_.table().antecedentCount();
    const int succedents = analysis_.table().succedentCount();
    std::optional<std::string> first = averagedConsequent(group, 0);
    if (!first) {
        return std::nullopt;
    }
    const RuleRow& anchor = rows_[group.front()];
    RuleRow row;
    row.enabled = false;
    for (const int member : group) {
        row.enabled = row.enabled || rows_[member].enabled;
    }
    row.texts.assign(anchor.texts.begin(), anchor.texts.begin() + antecedents);
    row.texts.push_back(std::move(*first));
    for (int k = 1; k < succedents; ++k) {
        const std::string& kept = anchor.texts[antecedents + k];
        row.texts.push_back(membersAgree(group, k) ? kept : averagedConsequent(group, k).value_or(kept));
    }
    return row;
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
