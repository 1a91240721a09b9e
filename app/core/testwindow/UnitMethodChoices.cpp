#include "app/core/testwindow/UnitMethodChoices.h"

#include <algorithm>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CRuleBase.h"

namespace zorv {
namespace {

std::span<const InferenceMethodEntry* const> inferenceChoices(DescriptionType type) {
    return InferenceMethodChoicesFor(static_cast<int>(type));
}

std::span<const DefuzzificationMethodEntry> defuzzificationChoices(DescriptionType type) {
    if (type != DescriptionType::linguistic) {
        return {};
    }
    return DefuzzificationMethodTable();
}

bool inRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

}  // namespace

std::string UnitMethodChoices::typeCaption(DescriptionType type) {
    switch (type) {
    case DescriptionType::linguistic: return "Linguistic";
    case DescriptionType::singleton: return "TS-Singleton";
    default: return "Unknown";
    }
}

std::vector<std::string> UnitMethodChoices::inferenceNames() const {
    std::vector<std::string> names;
    for (const InferenceMethodEntry* entry : inferenceChoices(type_)) {
        names.emplace_back(entry->displayName);
    }
    return names;
}

int UnitMethodChoices::inferenceIndex(const CRuleBase& unit) const {
    const auto choices = inferenceChoices(type_);
    const auto found = std::find(choices.begin(), choices.end(), &unit.InferenceMethod());
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}

void UnitMethodChoices::chooseInference(CRuleBase& unit, int index) const {
    const auto choices = inferenceChoices(type_);
    if (inRange(index, choices.size())) {
        unit.SetInferenceMethod(*choices[static_cast<std::size_t>(index)]);
    }
}

std::vector<std::string> UnitMethodChoices::defuzzificationNames() const {
    std::vector<std::string> names;
    for (const DefuzzificationMethodEntry& entry : defuzzificationChoices(type_)) {
        names.emplace_back(entry.displayName);
    }
    return names;
}

int UnitMethodChoices::defuzzificationIndex(const CRuleBase& unit) const {
    const auto choices = defuzzificationChoices(type_);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (&choices[i] == &unit.DefuzzificationMethod()) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void UnitMethodChoices::chooseDefuzzification(CRuleBase& unit, int index) const {
    const auto choices = defuzzificationChoices(type_);
    if (!inRange(index, choices.size())) {
        return;
    }
    const DefuzzificationMethodEntry& entry = choices[static_cast<std::size_t>(index)];
    unit.SetDefuzzificationMethod(entry);
    if (entry.smooth) {
        unit.SetUseFuzzyFilter(false);
    }
}

bool UnitMethodChoices::filterAvailable(const CRuleBase& unit) {
    return !unit.DefuzzificationMethod().smooth;
}

}  // namespace zorv
