#include "app/core/terms/UserTermSession.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

#include "app/core/terms/TermClipboard.h"
#include "app/core/terms/TermUsage.h"
#include "app/core/terms/UserTermClipboardText.h"
#include "app/core/terms/UserTermFactory.h"
#include "fuzzy/vocabulary/CBasicSettings.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

template <class Unit>
auto& VocabularyOf(Unit& unit, int signedIndex) {
    auto* vocabulary = dynamic_cast<std::conditional_t<std::is_const_v<Unit>, const CBasicSettings, CBasicSettings>*>(
        &unit.Settings(signedIndex));
    if (vocabulary == nullptr) throw std::invalid_argument("the variable has no user terms");
    return *vocabulary;
}

UserTermRow RowOf(const CBasicSettings::Term& term, const CFuzzyParamSet& set) {
    UserTermRow row;
    row.name = term.shortName;
    row.longName = term.longName;
    row.originalName = term.shortName;
    row.type = std::string(set.typeName());
    const auto parameters = set.params();
    const auto slots = UserTermShape::Slots(row.type);
    for (std::size_t i = 0; i < slots.size() && i < parameters.size(); ++i) {
        row.values[static_cast<std::size_t>(slots[i])] = UserTermValue::Of(parameters[i]);
    }
    return row;
}

}  // namespace

UserTermSession::UserTermSession(const CRuleBase& unit, int signedIndex)
    : signedIndex_(signedIndex), table_(unit.ContextLow(signedIndex), unit.ContextHigh(signedIndex)) {
    load(unit);
}

void UserTermSession::load(const CRuleBase& unit) {
    const CBasicSettings& vocabulary = VocabularyOf(unit, signedIndex_);
    const TermUsage usage(unit, signedIndex_);
    const auto& terms = vocabulary.terms();
    for (std::size_t i = static_cast<std::size_t>(vocabulary.standardTermCount()); i < terms.size(); ++i) {
        const auto* set = dynamic_cast<const CFuzzyParamSet*>(terms[i].element.get());
        if (set == nullptr || !UserTermShape::IsType(set->typeName())) continue;
        UserTermRow row = RowOf(terms[i], *set);
        row.used = usage.uses(row.name) || usage.uses(row.longName);
        table_.appendRow(std::move(row));
    }
}

int UserTermSession::add(std::string_view type) {
    const std::string name = table_.uniqueName(UserTermFactory::DefaultName(table_.rowCount() + 1), -1);
    table_.appendRow(UserTermFactory::Shape(type, table_.low(), table_.high(), name));
    return table_.rowCount() - 1;
}

std::optional<PromptMessage> UserTermSession::addUniform(std::optional<std::string_view> answer) {
    UserTermUniformOutcome outcome = UserTermUniform::Plan(table_, answer);
    for (UserTermRow& row : outcome.rows) table_.appendRow(std::move(row));
    return outcome.message;
}

std::optional<PromptMessage> UserTermSession::remove(int row) {
    if (row < 0 || row >= table_.rowCount()) return std::nullopt;
    if (table_.row(row).used) return PromptMessage::captioned("Cannot delete expression used in description.", "Error");
    table_.removeRow(row);
    return std::nullopt;
}

void UserTermSession::copy(const std::vector<int>& rows, TermClipboard& clipboard) const {
    std::vector<std::string> lines;
    for (const int row : rows) {
        if (row >= 0 && row < table_.rowCount()) lines.push_back(UserTermClipboardText::Line(table_.row(row)));
    }
    if (!lines.empty()) clipboard.setLines(std::move(lines));
}

std::optional<int> UserTermSession::paste(int row, const TermClipboard& clipboard) {
    int at = table_.empty() ? 0 : std::clamp(row + 1, 0, table_.rowCount());
    std::optional<int> first;
    for (const std::string& line : clipboard.lines()) {
        auto pasted = UserTermClipboardText::Row(line);
        if (!pasted) continue;
        pasted->name = table_.uniqueName(pasted->name, -1);
        table_.insertRow(at, std::move(*pasted));
        if (!first) first = at;
        ++at;
    }
    return first;
}

void UserTermSession::commit(CRuleBase& unit) const {
    CBasicSettings& vocabulary = VocabularyOf(unit, signedIndex_);
    std::vector<TermUsage::Rename> renames;
    vocabulary.clearUserTerms();
    for (int r = 0; r < table_.rowCount(); ++r) {
        const UserTermRow& row = table_.row(r);
        if (row.originalName && *row.originalName != row.name) renames.emplace_back(*row.originalName, row.name);
        vocabulary.addUserTerm(row.name, row.longName, table_.set(r));
    }
    if (!renames.empty()) {
        TermUsage::RenameInRules(unit, signedIndex_, renames);
        return;
    }
    try {
        unit.Compile();
    } catch (const ESyntax&) {
        // The failing cells keep their message; the editor reports them.
    }
}

}  // namespace zorv
