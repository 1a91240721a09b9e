#pragma once

#include <string>
#include <string_view>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
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

    // The row that FindInferenceMethod / FindDefuzzificationMethod name (key, short or display name, exactly as
    // written); Error listing the known display names otherwise.
    static const InferenceMethodEntry& inference(std::string_view name) {
        return found(FindInferenceMethod(name), InferenceMethodTable(), name, "inference");
    }
    static const DefuzzificationMethodEntry& defuzzification(std::string_view name) {
        return found(FindDefuzzificationMethod(name), DefuzzificationMethodTable(), name, "defuzzification");
    }

private:
    template <class Entry>
    static const Entry& found(const Entry* row, std::span<const Entry> rows, std::string_view name,
                              std::string_view what) {
        if (row != nullptr) return *row;
        std::string known;
        for (const Entry& each : rows) known.append(known.empty() ? "" : ", ").append(each.displayName);
        throw Error("unknown " + std::string(what) + " method '" + std::string(name) + "'; known: " + known);
    }
};

}  // namespace zorv
