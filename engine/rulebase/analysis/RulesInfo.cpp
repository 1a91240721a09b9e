#include "rulebase/analysis/RulesInfo.h"

#include "rulebase/analysis/RuleAnalysis.h"

namespace zorv {

namespace {

std::string rowLabel(int rule) {
    return std::to_string(rule + 1) + ".";
}

std::string ruleNumber(int rule) {
    return std::to_string(rule + 1);
}

// A count with its thousands set off by commas: 19,994.
std::string countText(std::size_t count) {
    std::string digits = std::to_string(count);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    }
    return digits;
}

// The listed rules joined by ", ", and what the list leaves out counted: "3., 7., … and 12 more".
std::string listText(const std::vector<int>& listed, std::size_t total, std::string (*name)(int)) {
    std::string text;
    for (const int rule : listed) {
        text += text.empty() ? "" : ", ";
        text += name(rule);
    }
    if (total > listed.size()) {
        text += ", \u2026 and " + countText(total - listed.size()) + " more";
    }
    return text;
}

// The members of a group other than one of them, the first kListed of them listed.
std::string othersOf(const RuleGroup& group, int member, std::string_view prefix) {
    std::vector<int> listed;
    for (auto other = group.begin(); other != group.end() && listed.size() < RulesInfo::kListed; ++other) {
        if (*other != member) {
            listed.push_back(*other);
        }
    }
    return std::string(prefix) + listText(listed, group.size() - 1, rowLabel);
}

// Appends text to a cell: prefix first when the cell is empty, else ", ".
void appendTo(std::string& cell, std::string_view prefix, const std::string& text) {
    cell += cell.empty() ? std::string(prefix) : std::string(", ");
    cell += text;
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
    for (const RuleAnalysis::Covered& covered : analysis.antecedentCoverage(kListed)) {
        RuleInfo& row = rows[covered.rule];
        const RuleListExcerpt& coverers = covered.coverers;
        appendTo(row.texts[column], "wrt ",
                 listText(coverers.first, static_cast<std::size_t>(coverers.count), ruleNumber));
        row.sortKeys[column] = coverers.last + 1;
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
