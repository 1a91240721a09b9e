#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace zorv {

// The row whose fileKey or shortName begins value; when several do, the longest such key or name wins
// (the first row among equally long ones). Null when none does.
template <class Entry>
const Entry* FindMethodRow(std::span<const Entry> rows, std::string_view value) {
    const Entry* found = nullptr;
    std::size_t foundLength = 0;
    const auto consider = [&](const Entry& row, std::string_view key) {
        if (key.empty() || !value.starts_with(key) || key.size() <= foundLength) return;
        found = &row;
        foundLength = key.size();
    };
    for (const Entry& row : rows) {
        consider(row, row.fileKey);
        consider(row, row.shortName);
    }
    return found;
}

}  // namespace zorv
