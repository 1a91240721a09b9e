#include "app/core/variables/VariableForm.h"

#include <memory>
#include <stdexcept>

#include "app/core/variables/Bounder.h"
#include "app/core/variables/Recomputer.h"
#include "app/core/variables/VariableDiscretization.h"
#include "app/core/variables/VariableNumbers.h"
#include "app/core/workbench/WorkbenchMessages.h"
#include "fuzzy/linear/CLinCSettings.h"
#include "fuzzy/vocabulary/CLinguisticSettings.h"
#include "rulebase/CRuleBase.h"
#include "rulebase/CRuleBaseLimits.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

constexpr double kNewLow = 0.0;
constexpr double kNewHigh = 1.0;

int SignedOf(bool input, int k) { return input ? k : ~k; }

void CompileTolerant(CRuleBase& unit) {
    try {
        unit.Compile();
    } catch (const ESyntax&) {
        // The failing cells keep their message; the editor reports them.
    }
}

std::shared_ptr<CSettings> NewSettings(bool linear, double low, double high) {
    if (linear) return std::make_shared<CLinCSettings>(low, high);
    return std::make_shared<CLinguisticSettings>(low, high);
}

}  // namespace

VariableForm::VariableForm(CRuleBase& unit, int index, bool addMode, bool input)
    : unit_(unit), index_(index), addMode_(addMode), input_(input) {
    if (hasSource()) {
        initialLow_ = unit_.ContextLow(index_);
        initialHigh_ = unit_.ContextHigh(index_);
    }
}

VariableForm::VariableForm(CRuleBase& unit, int signedIndex) : VariableForm(unit, signedIndex, false, signedIndex >= 0) {
    if (!unit.IsVariable(signedIndex)) throw std::out_of_range("no variable to edit");
}

VariableForm VariableForm::ForAdd(CRuleBase& unit, bool input, int copyFrom) {
    const int count = input ? unit.AntecedentCount() : unit.SuccedentCount();
    const int chosen = copyFrom >= 0 && copyFrom < count ? copyFrom : 0;
    return VariableForm(unit, count > 0 ? SignedOf(input, chosen) : CRuleBase::kNoVariable, true, input);
}

bool VariableForm::hasSource() const { return unit_.IsVariable(index_); }

bool VariableForm::linear() const { return hasSource() && unit_.Settings(index_).isLinear() != 0; }

VariableFields VariableForm::initialFields() const {
    if (!hasSource()) {
        return {"", NumberText::field(kNewLow), NumberText::field(kNewHigh),
                std::to_string(CRuleBaseLimits::kDefaultDiscretization)};
    }
    const std::string& name = unit_.VariableName(index_);
    return {addMode_ ? "Copy_" + name : name, NumberText::field(unit_.ContextLow(index_)),
            NumberText::field(unit_.ContextHigh(index_)), std::to_string(unit_.Discretization(index_))};
}

std::vector<std::string> VariableForm::copyChoices() const {
    std::vector<std::string> names;
    if (!addMode_) return names;
    const int count = input_ ? unit_.AntecedentCount() : unit_.SuccedentCount();
    for (int k = 0; k < count; ++k) names.push_back(unit_.VariableName(SignedOf(input_, k)));
    return names;
}

int VariableForm::copyChoice() const {
    if (!addMode_ || !hasSource()) return -1;
    return input_ ? index_ : ~index_;
}

VariableFields VariableForm::chooseCopySource(int position) {
    const int count = input_ ? unit_.AntecedentCount() : unit_.SuccedentCount();
    if (addMode_ && position >= 0 && position < count) {
        index_ = SignedOf(input_, position);
        initialLow_ = unit_.ContextLow(index_);
        initialHigh_ = unit_.ContextHigh(index_);
    }
    return initialFields();
}

VariableCheckSubject VariableForm::subject() const {
    return VariableCheckSubject{input_, addMode_ ? CRuleBase::kNoVariable : index_, index_, linear()};
}

std::optional<PromptMessage> VariableForm::check(const VariableFields& fields) const {
    return VariableChecker().check(unit_, subject(), fields);
}

// The numbers of the rules were written for the bounds the dialog opened with, whatever "Edit
// expressions..." has applied since, so those are the bounds the typed ones are compared with.
std::optional<VariableRecomputeQuestion> VariableForm::recomputeQuestion(const VariableFields& fields) const {
    if (addMode_) return std::nullopt;
    const auto low = NumberText::parseField(fields.low);
    const auto high = NumberText::parseField(fields.high);
    if (!low || !high || (*low == initialLow_ && *high == initialHigh_)) return std::nullopt;
    const VariableNumbers numbers(unit_, index_);
    if (!linear() && !numbers.Any()) return std::nullopt;
    const bool cut = !numbers.AllInRange(unit_, *low, *high);
    return VariableRecomputeQuestion{
        std::string("Do you want to recompute values?") + (cut ? "Otherwise they will be cut" : ""), cut};
}

void VariableForm::accept(const VariableFields& fields, PromptAnswer answer) {
    if (addMode_) {
        acceptAdd(fields);
    } else {
        acceptEdit(fields, answer);
    }
}

void VariableForm::acceptEdit(const VariableFields& fields, PromptAnswer answer) {
    const auto question = recomputeQuestion(fields);
    const VariableNumbers numbers(unit_, index_);
    const double low = *NumberText::parseField(fields.low);
    const double high = *NumberText::parseField(fields.high);
    unit_.Variable(index_).SetName(fields.name);
    applyContext(low, high);
    if (question && answer == PromptAnswer::yes) {
        numbers.Rewrite(unit_, Recomputer(low, high, initialLow_, initialHigh_));
    } else if (question && question->cut && answer == PromptAnswer::no) {
        numbers.Rewrite(unit_, Bounder(low, high));
    }
    if (!linear()) VariableDiscretization::Set(unit_, index_, *NumberText::parseFieldInteger(fields.discretization));
    CompileTolerant(unit_);
    changed_ = true;
}

void VariableForm::acceptAdd(const VariableFields& fields) {
    CFuzzyVariable variable = newVariable(fields);
    try {
        if (input_) {
            unit_.AddAntecedent(std::move(variable), index_);
        } else {
            unit_.AddSuccedent(std::move(variable), index_);
        }
        changed_ = true;
    } catch (const ESyntax&) {
        changed_ = true;  // added; the failing cells keep their message
    } catch (const std::invalid_argument&) {
        // Rules exist but there is no variable of the kind to give the new one its expressions.
    }
}

// A new vocabulary over the typed bounds holding copies of the source's user terms.
CFuzzyVariable VariableForm::newVariable(const VariableFields& fields) const {
    const double low = *NumberText::parseField(fields.low);
    const double high = *NumberText::parseField(fields.high);
    auto settings = NewSettings(linear(), low, high);
    const auto* source = hasSource() ? dynamic_cast<const CBasicSettings*>(&unit_.Settings(index_)) : nullptr;
    if (auto* vocabulary = dynamic_cast<CBasicSettings*>(settings.get()); vocabulary && source) {
        vocabulary->copyUserTerms(*source);
    }
    int discretization = CRuleBaseLimits::kDefaultDiscretization;
    if (!linear()) {
        discretization = *NumberText::parseFieldInteger(fields.discretization);
    } else if (hasSource()) {
        discretization = unit_.Discretization(index_);
    }
    return CFuzzyVariable(fields.name, std::move(settings), discretization);
}

VariableBoundsOutcome VariableForm::applyBounds(const VariableFields& fields) {
    if (addMode_ || !hasSource()) return {};
    const auto low = NumberText::parseField(fields.low);
    const auto high = NumberText::parseField(fields.high);
    if (!low || !high) return {};
    // A context without width would collapse the user terms for good.
    if (*high <= *low) return {false, PromptMessage::plain("Low bound is greater or equal to high bound!")};
    applyContext(*low, *high);
    return {true, std::nullopt};
}

// Terms confirmed in their editor stay; their sets are recompiled on the restored context.
void VariableForm::cancel() {
    if (addMode_ || !hasSource()) return;
    applyContext(initialLow_, initialHigh_);
    if (changed_) CompileTolerant(unit_);
}

void VariableForm::applyContext(double low, double high) {
    CSettings& settings = unit_.Settings(index_);
    if (settings.low() != low || settings.high() != high) settings.setContext(low, high);
}

std::optional<PromptMessage> VariableForm::boundExit(const std::string& text) {
    if (NumberText::parseField(text)) return std::nullopt;
    return WorkbenchMessages::notAReal(text);
}

std::optional<PromptMessage> VariableForm::discretizationExit(const std::string& text) {
    return VariableChecker::CheckDiscretization(text);
}

}  // namespace zorv
