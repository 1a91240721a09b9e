#include "MethodNamesPage.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"

namespace zorv {

namespace {

constexpr std::string_view kIntroduction = R"(# Method names

A rule base file stores its methods by their keys (`InfMethod=`, `DefuzzMethod=`); reading it, the short
names are accepted too. The workbench's lists show the display names. `zorv eval --infer NAME --defuzz
NAME`, the library's `setInferenceMethod` and `setDefuzzificationMethod` and the Python module's
`inference_method` and `defuzzification_method` take any of the three names, exactly as written here
(upper and lower case included). [Inference and defuzzification](methods.md) explains the methods and
which to choose.
)";

constexpr std::string_view kFooter = R"(
*This page is made from the program's method tables (`make manual-methods`).*
)";

std::string Code(std::string_view name) {
    std::string text(1, '`');
    return text.append(name).append(1, '`');
}

std::string Cells(const std::vector<std::string>& cells) {
    std::string line = "|";
    for (const std::string& cell : cells) line += " " + cell + " |";
    return line + "\n";
}

// The rows that the lists offer, in their order, then the others in table order.
std::vector<const InferenceMethodEntry*> InferenceRowsInListOrder() {
    const auto choices = InferenceMethodChoices();
    std::vector<const InferenceMethodEntry*> rows(choices.begin(), choices.end());
    for (const InferenceMethodEntry& row : InferenceMethodTable())
        if (std::find(rows.begin(), rows.end(), &row) == rows.end()) rows.push_back(&row);
    return rows;
}

std::string InferenceTable() {
    std::string text = "\n## Inference methods\n\n";
    text += Cells({"Inference method", "Key", "Short name", "For", "Concludes"});
    text += "|---|---|---|---|---|\n";
    for (const InferenceMethodEntry* row : InferenceRowsInListOrder())
        text += Cells({std::string(row->displayName), Code(row->fileKey), Code(row->shortName),
                       std::string(row->appliesText()), std::string(row->help)});
    return text;
}

std::string DefuzzificationTable() {
    std::string text = "\n## Defuzzification methods\n\nThey apply to linguistic rule bases.\n\n";
    text += Cells({"Defuzzification method", "Key", "Short name", "Picks"});
    text += "|---|---|---|---|\n";
    for (const DefuzzificationMethodEntry& row : DefuzzificationMethodTable())
        text += Cells({std::string(row.displayName), Code(row.fileKey), Code(row.shortName), std::string(row.help)});
    return text;
}

}  // namespace

std::string MethodNamesPage::text() {
    return std::string(kIntroduction) + InferenceTable() + DefuzzificationTable() + std::string(kFooter);
}

}  // namespace zorv
