#include "app/core/variables/VariableNumbers.h"

#include <algorithm>
#include <map>
#include <memory>

#include "app/core/variables/ExprOperator.h"
#include "app/core/variables/VariableRuleTexts.h"
#include "fuzzy/expression/ExpressionText.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

// The parse tree of a text that is a number or an "about" number as a whole; null otherwise.
std::unique_ptr<ELingExpr> NumberTree(const CSettings& settings, const std::string& text) {
    try {
        auto tree = parseExpression(settings, text);
        const int kind = tree->kind();
        if (kind == ELingExpr::kSingleton || kind == ELingExpr::kFuzzyNumber) return tree;
    } catch (const ESyntax&) {
    }
    return nullptr;
}

}  // namespace

VariableNumbers::VariableNumbers(const CRuleBase& unit, int signedIndex) : signedIndex_(signedIndex) {
    const CSettings& settings = unit.Settings(signedIndex);
    for (const std::string& text : VariableRuleTexts::Of(unit, signedIndex)) {
        if (std::find(texts_.begin(), texts_.end(), text) != texts_.end()) continue;
        if (NumberTree(settings, text)) texts_.push_back(text);
    }
}

bool VariableNumbers::AllInRange(const CRuleBase& unit, double low, double high) const {
    const CSettings& settings = unit.Settings(signedIndex_);
    return std::all_of(texts_.begin(), texts_.end(), [&](const std::string& text) {
        const auto tree = NumberTree(settings, text);
        return tree == nullptr || tree->inRange(low, high);
    });
}

void VariableNumbers::Rewrite(CRuleBase& unit, const ExprOperator& op) const {
    if (texts_.empty()) return;
    const CSettings& settings = unit.Settings(signedIndex_);
    std::map<std::string, std::string> replacement;
    for (const std::string& text : texts_) {
        const auto tree = NumberTree(settings, text);
        if (!tree) continue;
        op.Apply(*tree);
        replacement[text] = tree->print();
    }
    std::vector<RuleRow> rows = unit.Rules();
    const std::size_t column = VariableRuleTexts::Column(unit, signedIndex_);
    for (RuleRow& row : rows) {
        const auto found = replacement.find(row.texts[column]);
        if (found != replacement.end()) row.texts[column] = found->second;
    }
    VariableRuleTexts::Store(unit, rows);
}

}  // namespace zorv
