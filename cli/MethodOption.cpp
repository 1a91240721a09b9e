#include "cli/MethodOption.h"

#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "cli/CliError.h"
#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv::cli {

namespace {

// The distinct names of a row, quoted where they hold a blank: KEY, SHORT, "DISPLAY NAME".
template <typename Entry>
std::string namesOf(const Entry& row) {
    std::vector<std::string_view> names;
    for (const std::string_view name : {row.fileKey, row.shortName, row.displayName}) {
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    std::string text;
    for (const std::string_view name : names) {
        const bool quoted = name.find(' ') != std::string_view::npos;
        text.append(text.empty() ? "" : ", ").append(quoted ? "\"" : "").append(name).append(quoted ? "\"" : "");
    }
    return text;
}

// Where a method applies, when that is not where the others do (linguistic rule bases).
std::string scopeOf(const InferenceMethodEntry& row) {
    return row.appliesTo(DescriptionType::linguistic) ? "" : " (" + std::string(row.appliesText()) + ")";
}

std::string scopeOf(const DefuzzificationMethodEntry&) { return ""; }

template <typename Entry>
std::string listOf(std::span<const Entry> rows, const std::string& indent, bool withHelp) {
    std::string text;
    for (const Entry& row : rows) {
        text += indent + namesOf(row) + scopeOf(row) + "\n";
        if (withHelp) text += indent + "  " + std::string(row.help) + "\n";
    }
    return text;
}

template <typename Entry>
const Entry& found(const Entry* row, std::span<const Entry> rows, const std::string& name, const std::string& what) {
    if (row != nullptr) return *row;
    std::string known = listOf(rows, "  ", false);
    known.pop_back();  // the last line break
    throw CliError::usage("unknown " + what + " method '" + name + "'; known:\n" + known);
}

}  // namespace

const InferenceMethodEntry& MethodOption::inference(const std::string& name) {
    return found(FindInferenceMethod(name), InferenceMethodTable(), name, "inference");
}

const DefuzzificationMethodEntry& MethodOption::defuzzification(const std::string& name) {
    return found(FindDefuzzificationMethod(name), DefuzzificationMethodTable(), name, "defuzzification");
}

std::string MethodOption::inferenceList(const std::string& indent) {
    return listOf(InferenceMethodTable(), indent, true);
}

std::string MethodOption::defuzzificationList(const std::string& indent) {
    return listOf(DefuzzificationMethodTable(), indent, true);
}

}  // namespace zorv::cli
