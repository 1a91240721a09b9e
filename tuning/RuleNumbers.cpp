#include "tuning/RuleNumbers.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "fuzzy/expression/EBinaryExpr.h"
#include "fuzzy/expression/ExpressionText.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// Widens range by every number of the tree (walked without recursion: chains of "or" may be long).
void AddNumbers(const ELingExpr& root, std::optional<std::pair<double, double>>& range) {
    std::vector<const ELingExpr*> pending{&root};
    while (!pending.empty()) {
        const ELingExpr* node = pending.back();
        pending.pop_back();
        if (const auto* binary = dynamic_cast<const EBinaryExpr*>(node)) {
            pending.push_back(&binary->left());
            pending.push_back(&binary->right());
        } else if (const auto number = node->number()) {
            range = range ? std::pair{std::min(range->first, *number), std::max(range->second, *number)}
                          : std::pair{*number, *number};
        }
    }
}

std::vector<int> Holders(const CRuleBase& unit, int variable) {
    std::vector<int> holders;
    const CSettings* settings = &unit.Settings(variable);
    for (int k = 0; k < unit.AntecedentCount(); ++k) {
        if (&unit.Settings(k) == settings) holders.push_back(k);
    }
    for (int k = 0; k < unit.SuccedentCount(); ++k) {
        if (&unit.Settings(~k) == settings) holders.push_back(~k);
    }
    return holders;
}

}  // namespace

std::optional<std::pair<double, double>> RuleNumbers::Range(const CRuleBase& unit, int variable) {
    std::optional<std::pair<double, double>> range;
    std::set<std::string> seen;
    const CSettings& settings = unit.Settings(variable);
    for (const int holder : Holders(unit, variable)) {
        for (int rule = 0; rule < unit.RuleCount(); ++rule) {
            const std::string& text = unit.Text(holder, rule);
            if (!seen.insert(text).second) continue;
            try {
                AddNumbers(*parseExpression(settings, text), range);
            } catch (const ESyntax&) {
                // A cell that does not compile now limits nothing.
            }
        }
    }
    return range;
}

}  // namespace zorv
