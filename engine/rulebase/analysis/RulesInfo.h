#pragma once

#include <array>
#include <climits>
#include <string>
#include <string_view>
#include <vector>

namespace zorv {

class CRuleBase;
class RuleAnalysis;

// The four "Rules info" analysis columns of the rules grid, in column order.
enum class RulesInfoColumn { group = 0, inconsistency = 1, redundantSuc = 2, redundantAnt = 3 };

// Which analyses run ("Group", "Consistency", "Redundancy Succ", "Redundancy Ant").
struct RulesInfoColumns {
    bool group = true;
    bool consistency = true;
    bool redundancySucc = true;
    bool redundancyAnt = true;
};

// The analysis texts of one rule and the keys its rows sort by (kNoKey when the text is empty).
struct RuleInfo {
    static constexpr int kNoKey = INT_MAX;
    std::array<std::string, 4> texts;
    std::array<int, 4> sortKeys{kNoKey, kNoKey, kNoKey, kNoKey};

    const std::string& text(RulesInfoColumn column) const { return texts[static_cast<int>(column)]; }
    int sortKey(RulesInfoColumn column) const { return sortKeys[static_cast<int>(column)]; }
};

// Display of the rule analysis, one RuleInfo per rule: "same as 3., 7." for duplicates, "with 2., 5." for
// inconsistent rules, "with 4" for a rule redundant in the succedent with respect to rule 4, and
// "wrt 1, 6" for a rule whose antecedents rules 1 and 6 cover. Rule numbers shown are 1-based.
// A cell lists at most kListed rules and counts the rest ("same as 3., 7., … and 19,994 more"), so that the
// texts of a rule base full of copies grow with the number of rules, not with its square. The sort keys do
// not depend on that limit.
class RulesInfo {
public:
    static constexpr std::size_t kListed = 10;

    static std::vector<RuleInfo> compute(const RuleAnalysis& analysis, const RulesInfoColumns& shown = {});
    static std::vector<RuleInfo> compute(const CRuleBase& unit, const RulesInfoColumns& shown = {});

    // Header of a column: "Group", "Inconsistency", "Redundant suc", "Redundant ant".
    static std::string_view title(RulesInfoColumn column);
    // Text whose width the column is given: "same as 000,", "inconsist with 000,", "redundant with 000,".
    static std::string_view widthSample(RulesInfoColumn column);

private:
    static void fillGroups(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis, bool duplicates);
    static void fillRedundantSuccedent(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis);
    static void fillRedundantAntecedent(std::vector<RuleInfo>& rows, const RuleAnalysis& analysis);
};

}  // namespace zorv
