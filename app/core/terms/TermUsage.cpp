#include "app/core/terms/TermUsage.h"

#include <algorithm>
#include <cctype>

#include "app/core/variables/VariableRuleTexts.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

bool WordStart(std::string_view text, std::size_t position) {
    if (position == 0) return true;
    const char before = text[position - 1];
    return before == ' ' || before == '\t' || before == '(';
}

bool NamedAt(std::string_view text, std::size_t position, std::string_view name) {
    if (name.empty() || text.substr(position, name.size()) != name) return false;
    const std::size_t end = position + name.size();
    if (end == text.size()) return true;
    const char after = text[end];
    return std::isalnum(static_cast<unsigned char>(after)) == 0 && after != '_';
}

// The longest old name written at position, if any.
const TermUsage::Rename* RenameAt(std::string_view text, std::size_t position,
                                  const std::vector<TermUsage::Rename>& renames) {
    const TermUsage::Rename* best = nullptr;
    for (const auto& rename : renames) {
        if (NamedAt(text, position, rename.first) && (best == nullptr || rename.first.size() > best->first.size())) {
            best = &rename;
        }
    }
    return best;
}

}  // namespace

TermUsage::TermUsage(const CRuleBase& unit, int signedIndex) {
    for (const int variable : SharingVariables(unit, signedIndex)) {
        auto texts = VariableRuleTexts::Of(unit, variable);
        texts_.insert(texts_.end(), texts.begin(), texts.end());
    }
}

bool TermUsage::uses(std::string_view name) const {
    return std::any_of(texts_.begin(), texts_.end(), [name](const std::string& text) { return Mentions(text, name); });
}

std::vector<int> TermUsage::SharingVariables(const CRuleBase& unit, int signedIndex) {
    const CSettings* settings = unit.Variable(signedIndex).SharedSettings().get();
    std::vector<int> sharing;
    for (int i = -unit.SuccedentCount(); i < unit.AntecedentCount(); ++i) {
        if (unit.Variable(i).SharedSettings().get() == settings) sharing.push_back(i);
    }
    return sharing;
}

bool TermUsage::Mentions(std::string_view text, std::string_view name) {
    for (std::size_t position = 0; position < text.size(); ++position) {
        if (WordStart(text, position) && NamedAt(text, position, name)) return true;
    }
    return false;
}

std::string TermUsage::Renamed(std::string_view text, const std::vector<Rename>& renames) {
    std::string result;
    std::size_t position = 0;
    while (position < text.size()) {
        const Rename* rename = WordStart(text, position) ? RenameAt(text, position, renames) : nullptr;
        if (rename != nullptr) {
            result += rename->second;
            position += rename->first.size();
        } else {
            result += text[position++];
        }
    }
    return result;
}

void TermUsage::RenameInRules(CRuleBase& unit, int signedIndex, const std::vector<Rename>& renames) {
    if (renames.empty()) return;
    std::vector<RuleRow> rows = unit.Rules();
    for (const int variable : SharingVariables(unit, signedIndex)) {
        const std::size_t column = VariableRuleTexts::Column(unit, variable);
        for (RuleRow& row : rows) row.texts[column] = Renamed(row.texts[column], renames);
    }
    VariableRuleTexts::Store(unit, rows);
}

}  // namespace zorv
