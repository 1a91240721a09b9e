#include "rulebase/analysis/RulesInfo.h"

#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

namespace {

std::string rowLabel(int rule) {
    return std::to_string(rule + 1) + ".";
}

// Appends text to a cell: prefix first when the cell is empty, else ", ".
void appendTo(std::string& cell, std::string_view prefix, const std::string& text) {
    cell += cell.empty() ? std::string(prefix) : std::string(", ");
    cell += text;
}

std::string othersOf(const RuleGroup& group, int member, std::string_view prefix) {
    std::string text(prefix);
    bool first = true;
    for (const int other : group) {
        if (other == member) {
            continue;
        }
        text += first ? "" : ", ";
        text += rowLabel(other);
        first = false;
    }
    return text;
}

}  // namespace

std::vector<RuleInfo> RulesInfo::compute(const CRuleBase& unit, const RulesInfoColumns& shown) {
    return compute(RuleAnalysis::of(unit), shown);
}

std::vector<RuleInfo> RulesInfo::compute(const RuleAnalysis& analysis, const RulesInfoColumns& shown) {
    std::vector<RuleInfo> rows(static_cast<std::size_t>(analysis.ruleCount()));
    if (shown.group) {
        fillGroups(rows, analysis, true);
    }
    if (shown.consistency) {
        fillGroups(rows, analysis, false);
    }
    if (shown.redundancySucc) {
        fillRedundantSuccedent(rows, analysis);
    }
    if (shown.redundancyAnt) {
        fillRedundantAntecedent(rows, analysis);
    }
    return rows;
}

void RulesInfo::fillGroups(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis, bool duplicates) {
    const auto column = static_cast<int>(duplicates ? RulesInfoColumn::group : RulesInfoColumn::inconsistency);
    const std::string_view prefix = duplicates ? "same as " : "with ";
    const RuleGroups groups =
        analysis.groupRules(duplicates ? RuleRelation::duplicate : RuleRelation::inconsistent);
    for (std::size_t index = 0; index < groups.size(); ++index) {
        for (const int member : groups[index]) {
            rows[member].texts[column] = othersOf(groups[index], member, prefix);
            rows[member].sortKeys[column] = static_cast<int>(index);
        }
    }
}

void RulesInfo::fillRedundantSuccedent(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis) {
    const auto column = static_cast<int>(RulesInfoColumn::redundantSuc);
    for (const RuleGroup& group : analysis.redundantInSuccedent()) {
        const int shown = group.front() + 1;
        for (std::size_t i = 1; i < group.size(); ++i) {
            RuleInfo& row = rows[group[i]];
            appendTo(row.texts[column], "with ", std::to_string(shown));
            row.sortKeys[column] = shown;
        }
    }
}

void RulesInfo::fillRedundantAntecedent(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis) {
    const auto column = static_cast<int>(RulesInfoColumn::redundantAnt);
    for (const RuleGroup& group : analysis.redundantInAntecedent()) {
        RuleInfo& row = rows[group.front()];
        for (std::size_t i = 1; i < group.size(); ++i) {
            appendTo(row.texts[column], "wrt ", std::to_string(group[i] + 1));
        }
        row.sortKeys[column] = group.back() + 1;
    }
}

std::string_view RulesInfo::title(RulesInfoColumn column) {
    switch (column) {
    case RulesInfoColumn::group: return "Group";
    case RulesInfoColumn::inconsistency: return "Inconsistency";
    case RulesInfoColumn::redundantSuc: return "Redundant suc";
    case RulesInfoColumn::redundantAnt: return "Redundant ant";
    }
    return "";
}

std::string_view RulesInfo::widthSample(RulesInfoColumn column) {
    switch (column) {
    case RulesInfoColumn::group: return "same as 000,";
    case RulesInfoColumn::inconsistency: return "inconsist with 000,";
    case RulesInfoColumn::redundantSuc:
    case RulesInfoColumn::redundantAnt: return "redundant with 000,";
    }
    return "";
}

}  // namespace zorv
