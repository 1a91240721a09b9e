#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "zorv/Error.h"
#include "zorv/Types.h"

namespace zorv {

// The public face of the method tables: rows as Method values, and a row chosen by any of its names.
class MethodNames {
public:
    template <class Entry>
    static Method of(const Entry& row) {
        return Method{std::string(row.fileKey), std::string(row.shortName), std::string(row.displayName)};
    }

    // The row whose display name, key or short name equals name exactly; Error listing the known display
    // names otherwise. what names the table ("inference", "defuzzification").
    template <class Entry>
    static const Entry& find(std::span<const Entry> rows, std::string_view name, std::string_view what) {
        std::string known;
        for (const Entry& row : rows) {
            if (row.displayName == name || row.fileKey == name || row.shortName == name) return row;
            known += known.empty() ? "" : ", ";
            known += row.displayName;
        }
        throw Error("unknown " + std::string(what) + " method '" + std::string(name) + "'; known: " + known);
    }
};

}  // namespace zorv
