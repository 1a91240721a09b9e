#include "inference/filter/UnitReplica.h"

#include <exception>
#include <sstream>

#include "inference/DefuzzificationMethodTable.h"
#include "inference/InferenceMethodTable.h"
#include "rulebase/CRuleBase.h"

namespace zorv {

namespace {

constexpr std::string_view kFilterOn = "UseFuzzyFilter=true";
constexpr std::string_view kFilterOff = "UseFuzzyFilter=false";

void switchFilterOff(std::string& text) {
    const std::size_t at = text.find(kFilterOn);
    if (at != std::string::npos) text.replace(at, kFilterOn.size(), kFilterOff);
}

}  // namespace

UnitReplica::UnitReplica(const CRuleBase& unit, std::string text)
    : text_(std::move(text)),
      name_(unit.Name()),
      type_(unit.descriptionType()),
      inference_(&unit.InferenceMethod()),
      defuzzification_(&unit.DefuzzificationMethod()),
      perceptionUpper_(unit.PerceptionUpper()),
      perceptionLower_(unit.PerceptionLower()),
      steps_(unit.Steps()) {}

std::optional<UnitReplica> UnitReplica::capture(const CRuleBase& unit) {
    std::ostringstream out;
    try {
        unit.Save(out);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    std::string text = std::move(out).str();
    switchFilterOff(text);
    return UnitReplica(unit, std::move(text));
}

std::unique_ptr<CRuleBase> UnitReplica::make() const {
    std::ostringstream diagnostics;
    std::unique_ptr<CRuleBase> copy;
    try {
        copy = CRuleBase::LoadFromText(text_, name_, diagnostics);
    } catch (const std::exception&) {
        return nullptr;
    }
    copy->SetDescriptionType(type_);
    copy->SetInferenceMethod(*inference_);
    copy->SetDefuzzificationMethod(*defuzzification_);
    copy->SetPerceptionUpper(perceptionUpper_);
    copy->SetPerceptionLower(perceptionLower_);
    copy->SetSteps(steps_);
    return copy;
}

}  // namespace zorv
