#include "app/core/rules/RulesGrid.h"

#include <algorithm>

#include "app/core/rules/RuleRowSorter.h"
#include "rulebase/RuleSignMirror.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

const std::string kNoText;
const RuleInfo kNoInfo;

bool allEmpty(const std::vector<std::string>& texts) {
    return std::all_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); });
}

bool anyEmpty(const std::vector<std::string>& texts) {
    return std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.empty(); });
}

}  // namespace

// --- the content ---------------------------------------------------------------------------------------

bool RulesGrid::Content::enabled(int row) const {
    const RowRef& ref = rows_[static_cast<std::size_t>(row)];
    return ref.source >= 0 ? snapshot_->enabled(ref.source) : owned(ref).enabled;
}

const std::string& RulesGrid::Content::text(int row, int position) const {
    const RowRef& ref = rows_[static_cast<std::size_t>(row)];
    return ref.source >= 0 ? snapshot_->text(ref.source, position) : owned(ref).texts[static_cast<std::size_t>(position)];
}

std::optional<int> RulesGrid::Content::rule(int row) const {
    const RowRef& ref = rows_[static_cast<std::size_t>(row)];
    return ref.source >= 0 ? std::optional<int>(ref.source) : std::nullopt;
}

// --- filling and committing ----------------------------------------------------------------------------

void RulesGrid::fill() {
    columns_ = RuleGridColumns(unit_);
    content_ = Content();
    content_.snapshot_ = RuleSnapshot::Of(unit_);
    content_.rows_.resize(static_cast<std::size_t>(content_.snapshot_->ruleCount()));
    for (std::size_t r = 0; r < content_.rows_.size(); ++r) content_.rows_[r] = {static_cast<std::int32_t>(r), -1};
    infos_ = std::make_shared<std::vector<RuleInfo>>();
    changed();
    filledRevision_ = revision_;
}

std::vector<RuleRow> RulesGrid::rules() const {
    std::vector<RuleRow> rules;
    rules.reserve(static_cast<std::size_t>(rowCount()));
    for (int r = 0; r < rowCount(); ++r) {
        RuleGridRow whole = row(r);
        if (!anyEmpty(whole.texts)) rules.emplace_back(whole.enabled, std::move(whole.texts), std::move(whole.comment));
    }
    return rules;
}

bool RulesGrid::commitTo(CRuleBase& unit) const {
    if (asFilled() && &unit == &unit_) return false;
    const std::vector<RuleRow> rows = rules();
    if (rows == unit.Rules()) return false;
    unit.SetRules(rows);
    return true;
}

// --- reading ---------------------------------------------------------------------------------------------

RuleGridRow RulesGrid::row(int r) const {
    const RowRef& ref = content_.rows_[static_cast<std::size_t>(r)];
    RuleGridRow whole = ref.source >= 0 ? RuleGridRow{} : content_.owned(ref);
    if (ref.source >= 0) {
        const RuleSnapshot& snapshot = *content_.snapshot_;
        whole.enabled = snapshot.enabled(ref.source);
        for (int c = 0; c < snapshot.width(); ++c) whole.texts.push_back(snapshot.text(ref.source, c));
        whole.comment = snapshot.comment(ref.source);
    }
    whole.info = info(r);
    return whole;
}

const std::string& RulesGrid::comment(int r) const {
    const RowRef& ref = content_.rows_[static_cast<std::size_t>(r)];
    return ref.source >= 0 ? content_.snapshot_->comment(ref.source) : content_.owned(ref).comment;
}

const RuleInfo& RulesGrid::info(int r) const {
    const std::int32_t at = content_.rows_[static_cast<std::size_t>(r)].info;
    return at >= 0 && static_cast<std::size_t>(at) < infos_->size() ? (*infos_)[static_cast<std::size_t>(at)] : kNoInfo;
}

std::string RulesGrid::cellText(int row, int column) const {
    if (column == RuleGridColumns::kLabelColumn) return std::to_string(row + 1) + ".";
    if (const auto analysis = columns_.analysisColumn(column)) return info(row).text(*analysis);
    return text(row, column);
}

const std::string& RulesGrid::text(int row, int column) const {
    if (!columns_.isExpression(column) || row < 0 || row >= rowCount()) return kNoText;
    return content_.text(row, RuleGridColumns::textIndex(column));
}

// --- changing --------------------------------------------------------------------------------------------

RulesGrid::RowRef RulesGrid::adopt(RuleGridRow row) {
    row.texts.resize(static_cast<std::size_t>(columns_.expressionCount()));
    content_.owned_.push_back(std::make_shared<RuleGridRow>(std::move(row)));
    return {~static_cast<std::int32_t>(content_.owned_.size() - 1), -1};
}

// A row shared with a content handed out is copied before it changes.
RuleGridRow& RulesGrid::own(int row) {
    RowRef& ref = content_.rows_[static_cast<std::size_t>(row)];
    if (ref.source >= 0) {
        const std::int32_t info = ref.info;
        RuleGridRow whole = this->row(row);
        whole.info = {};
        ref = adopt(std::move(whole));
        ref.info = info;
    }
    std::shared_ptr<const RuleGridRow>& slot = content_.owned_[static_cast<std::size_t>(~ref.source)];
    if (slot.use_count() > 1) slot = std::make_shared<RuleGridRow>(*slot);
    // The rows are made here as non-const objects; the const only keeps handed-out contents from changing.
    return const_cast<RuleGridRow&>(*slot);
}

bool RulesGrid::setText(int row, int column, std::string text) {
    if (!columns_.isExpression(column) || row < 0 || row >= rowCount()) return false;
    if (this->text(row, column) == text) return false;
    own(row).texts[static_cast<std::size_t>(RuleGridColumns::textIndex(column))] = std::move(text);
    changed();
    return true;
}

bool RulesGrid::toggleEnabled(int row) {
    if (row < 0 || row >= rowCount()) return false;
    RuleGridRow& owned = own(row);
    owned.enabled = !owned.enabled;
    changed();
    return true;
}

RuleGridRow RulesGrid::emptyRow() const {
    return RuleGridRow{true, std::vector<std::string>(static_cast<std::size_t>(columns_.expressionCount())), {}, {}};
}

void RulesGrid::insertRows(int at, std::vector<RuleGridRow> rows) {
    at = std::clamp(at, 0, rowCount());
    std::vector<RowRef> refs;
    refs.reserve(rows.size());
    for (RuleGridRow& row : rows) refs.push_back(adopt(std::move(row)));
    content_.rows_.insert(content_.rows_.begin() + at, refs.begin(), refs.end());
    changed();
}

void RulesGrid::insertEmptyRows(int at, int count) {
    insertRows(at, std::vector<RuleGridRow>(static_cast<std::size_t>(std::max(count, 0)), emptyRow()));
}

bool RulesGrid::deleteRows(int first, int last) { return replaceRows(first, last, {}); }

bool RulesGrid::replaceRows(int first, int last, std::vector<RuleGridRow> rows) {
    if (!validRange(first, last) || (rows.empty() && last - first + 1 == rowCount())) return false;
    content_.rows_.erase(content_.rows_.begin() + first, content_.rows_.begin() + last + 1);
    insertRows(first, std::move(rows));
    return true;
}

int RulesGrid::deleteEmptyRows() {
    const auto empty = [this](const RowRef& ref) {
        // A rule of the snapshot has an empty text only in a rule base made by hand.
        if (ref.source < 0) return allEmpty(content_.owned(ref).texts);
        if (!content_.snapshot_->anyEmptyText()) return false;
        for (int c = 0; c < content_.snapshot_->width(); ++c) {
            if (!content_.snapshot_->text(ref.source, c).empty()) return false;
        }
        return true;
    };
    const auto kept = std::remove_if(content_.rows_.begin(), content_.rows_.end(), empty);
    const int removed = static_cast<int>(content_.rows_.end() - kept);
    content_.rows_.erase(kept, content_.rows_.end());
    if (removed > 0) changed();
    return removed;
}

std::optional<std::pair<int, int>> RulesGrid::firstEmptyCell() const {
    const bool snapshotFull = !content_.snapshot_->anyEmptyText();
    for (int r = 0; r < rowCount(); ++r) {
        if (snapshotFull && content_.rows_[static_cast<std::size_t>(r)].source >= 0) continue;
        for (int c = 1; c <= columns_.lastExpression(); ++c) {
            if (text(r, c).empty()) return std::pair{r, c};
        }
    }
    return std::nullopt;
}

void RulesGrid::reorder(const std::vector<int>& order) {
    std::vector<RowRef> sorted;
    sorted.reserve(content_.rows_.size());
    for (const int r : order) sorted.push_back(content_.rows_[static_cast<std::size_t>(r)]);
    content_.rows_ = std::move(sorted);
    changed();
}

bool RulesGrid::sortBy(int column) {
    if (!columns_.isExpression(column) && !columns_.analysisColumn(column)) return false;
    reorder(RuleRowSorter::order(*this, column));
    return true;
}

bool RulesGrid::invertSign(int first, int last) {
    if (!validRange(first, last)) return false;
    bool any = false;
    for (int c = 1; c <= columns_.lastExpression(); ++c) {
        const CSettings& vocabulary = unit_.Settings(columns_.variableOf(c));
        if (!RuleSignMirror::applies(vocabulary)) continue;
        for (int r = first; r <= last; ++r) {
            if (const auto mirrored = RuleSignMirror::mirror(vocabulary, text(r, c), columns_.inputCount())) {
                any = setText(r, c, *mirrored) || any;
            }
        }
    }
    return any;
}

void RulesGrid::setInfos(std::shared_ptr<const std::vector<RuleInfo>> infos) {
    if (!infos || infos->size() != content_.rows_.size()) return;
    infos_ = std::move(infos);
    for (std::size_t r = 0; r < content_.rows_.size(); ++r) content_.rows_[r].info = static_cast<std::int32_t>(r);
}

}  // namespace zorv
