#include "app/core/terms/UserTermTable.h"

#include <algorithm>

#include "fuzzy/sets/CFuzzyParamSetFactory.h"

namespace zorv {

std::string UserTermTable::Header(int column) {
    if (column == kNameColumn) return "Name";
    if (column == kTypeColumn) return "Type";
    return std::string(UserTermShape::Header(SlotOf(column)));
}

std::string UserTermTable::cellText(int r, int column) const {
    if (r < 0 || r >= rowCount()) return {};
    const UserTermRow& term = row(r);
    if (column == kLabelColumn) return std::to_string(r + 1) + ".";
    if (column == kNameColumn) return term.name;
    if (column == kTypeColumn) return term.type;
    if (column == kUsageColumn) return term.used ? "U" : "N";
    const int slot = SlotOf(column);
    if (slot < 0 || slot >= UserTermShape::kSlotCount) return {};
    return term.values[static_cast<std::size_t>(slot)].text;
}

void UserTermTable::setCellText(int r, int column, std::string text) {
    if (r < 0 || r >= rowCount()) return;
    if (column == kNameColumn) {
        mutableRow(r).name = std::move(text);
    } else if (editable(r, column)) {
        mutableRow(r).values[static_cast<std::size_t>(SlotOf(column))].text = std::move(text);
    }
}

std::optional<double> UserTermTable::value(int r, int slot) const {
    if (slot < 0 || slot >= UserTermShape::kSlotCount) return std::nullopt;
    return row(r).values[static_cast<std::size_t>(slot)].number();
}

void UserTermTable::setValue(int r, int slot, double value) {
    putValue(r, slot, UserTermValue::Of(value));
}

void UserTermTable::clearValue(int r, int slot) { putValue(r, slot, {}); }

void UserTermTable::putValue(int r, int slot, UserTermValue value) {
    mutableRow(r).values.at(static_cast<std::size_t>(slot)) = std::move(value);
}

void UserTermTable::setType(int r, std::string type) { mutableRow(r).type = std::move(type); }

void UserTermTable::insertRow(int at, UserTermRow row) {
    const int position = std::clamp(at, 0, rowCount());
    rows_.insert(rows_.begin() + position, std::move(row));
}

void UserTermTable::removeRow(int r) {
    if (r >= 0 && r < rowCount()) rows_.erase(rows_.begin() + r);
}

bool UserTermTable::editable(int r, int column) const {
    if (r < 0 || r >= rowCount()) return false;
    if (column == kNameColumn) return true;
    const int slot = SlotOf(column);
    return slot >= 0 && slot < UserTermShape::kSlotCount && UserTermShape::Uses(row(r).type, slot);
}

std::vector<int> UserTermTable::editableColumns(int r) const {
    std::vector<int> columns;
    for (int column = 0; column < kColumnCount; ++column) {
        if (editable(r, column)) columns.push_back(column);
    }
    return columns;
}

std::optional<std::pair<int, int>> UserTermTable::adjacentCell(int r, int column, bool forward) const {
    const int step = forward ? 1 : -1;
    for (int row = r; row >= 0 && row < rowCount(); row += step) {
        auto columns = editableColumns(row);
        if (!forward) std::reverse(columns.begin(), columns.end());
        for (const int c : columns) {
            if (row != r || (forward ? c > column : c < column)) return std::make_pair(row, c);
        }
    }
    return std::nullopt;
}

bool UserTermTable::nameTaken(std::string_view name, int exceptRow) const {
    for (int r = 0; r < rowCount(); ++r) {
        if (r != exceptRow && row(r).name == name) return true;
    }
    return false;
}

std::string UserTermTable::uniqueName(const std::string& base, int exceptRow) const {
    std::string name = base;
    for (int n = 1; nameTaken(name, exceptRow); ++n) name = base + "_" + std::to_string(n);
    return name;
}

std::unique_ptr<CFuzzyParamSet> UserTermTable::set(int r) const {
    const UserTermRow& term = row(r);
    const auto slots = UserTermShape::Slots(term.type);
    if (slots.empty()) return nullptr;
    std::vector<double> parameters;
    for (const int slot : slots) {
        const auto v = value(r, slot);
        if (!v) return nullptr;
        parameters.push_back(*v);
    }
    return createParamSet(term.type, parameters.data(), low_, high_);
}

}  // namespace zorv
