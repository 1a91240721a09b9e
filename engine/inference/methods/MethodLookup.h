#pragma once

#include <span>
#include <string_view>

namespace zorv {

// The row one of whose names (file key, short name, display name) equals name exactly, case included; null
// when none does. Exact because every name is shown somewhere to be copied (files, lists, help texts), and
// a prefix or a folded case could pick another method than the one meant.
template <class Entry>
const Entry* FindMethodNamed(std::span<const Entry> rows, std::string_view name) {
    for (const Entry& row : rows)
        if (row.fileKey == name || row.shortName == name || row.displayName == name) return &row;
    return nullptr;
}

}  // namespace zorv
