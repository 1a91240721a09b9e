#include "app/core/data/FTransformSettingsForm.h"

#include <stdexcept>

#include "text/NumberText.h"

namespace zorv {

void FTransformSettingsForm::open(std::vector<PartitionSettings>& records,
                                  std::span<const FTransformContext> contexts) {
    if (records.size() != contexts.size()) {
        records.clear();
        for (const auto& context : contexts) {
            records.push_back(PartitionSettings::forContext(context.low, context.high));
        }
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].low = contexts[i].low;
        records[i].high = contexts[i].high;
    }
    records_ = &records;
    selected_ = 0;
}

PartitionSettings& FTransformSettingsForm::current() const {
    if (records_ == nullptr || selected_ < 0 || static_cast<std::size_t>(selected_) >= records_->size()) {
        throw std::logic_error("The F-transform settings dialog has no variable selected.");
    }
    return (*records_)[static_cast<std::size_t>(selected_)];
}

void FTransformSettingsForm::select(int variable) {
    if (records_ == nullptr || variable < 0 || static_cast<std::size_t>(variable) >= records_->size()) {
        throw std::out_of_range("No such input variable in the F-transform settings.");
    }
    selected_ = variable;
}

std::string FTransformSettingsForm::nodeCountText() const { return NumberText::integer(current().nodes); }

BasicFunctionShape FTransformSettingsForm::shape() const { return current().shape; }

bool FTransformSettingsForm::leaveNodeCount(std::string_view text) {
    const auto nodes = parseNodeCount(text);
    if (!nodes) {
        return false;
    }
    current().nodes = *nodes;
    return true;
}

void FTransformSettingsForm::chooseShape(BasicFunctionShape shape) { current().shape = shape; }

std::vector<BasicFunctionPreview::Point> FTransformSettingsForm::preview(int width, int height) const {
    return BasicFunctionPreview::polyline(current().shape, width, height);
}

FTransformSettingsForm::Acceptance FTransformSettingsForm::accept(std::string_view nodeCountText,
                                                                  std::string_view maxErrorText) {
    if (!leaveNodeCount(nodeCountText)) {
        return {};
    }
    maxErrorText_ = maxErrorText;
    if (optimize_) {
        maxError_ = NumberText::parseDecimal(maxErrorText);
        if (!maxError_) {
            return {};
        }
    }
    for (std::size_t i = 0; i < records_->size(); ++i) {
        if (const auto fault = (*records_)[i].fault()) {
            selected_ = static_cast<int>(i);
            return {false, "Input variable " + NumberText::integer(static_cast<long long>(i) + 1) + ": " + *fault};
        }
    }
    return {true, {}};
}

std::optional<int> FTransformSettingsForm::parseNodeCount(std::string_view text) {
    return NumberText::parseFieldInteger(text);
}

}  // namespace zorv
