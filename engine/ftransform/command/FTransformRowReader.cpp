#include "ftransform/command/FTransformRowReader.h"

#include "ftransform/partition/EFTransformSettings.h"
#include "text/NumberText.h"

namespace zorv {

namespace {

std::vector<FTransformContext> checkedInputs(std::vector<FTransformContext> inputs) {
    if (inputs.empty()) {
        throw EFTransformSettings("An F-transform needs at least one input variable.");
    }
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (const auto fault = inputs[i].inputFault()) {
            throw EFTransformSettings(
                "Input variable " + NumberText::integer(static_cast<long long>(i) + 1) + ": " + *fault,
                static_cast<int>(i));
        }
    }
    return inputs;
}

FTransformContext checkedOutput(const FTransformContext& output) {
    if (const auto fault = output.outputFault()) {
        throw EFTransformSettings(*fault);
    }
    return output;
}

}  // namespace

FTransformRowReader::FTransformRowReader(std::vector<FTransformContext> inputs, FTransformContext output)
    : inputs_(checkedInputs(std::move(inputs))), output_(checkedOutput(output)) {}

bool FTransformRowReader::read(const FTransformData& data, int row, std::span<double> raw,
                               std::span<double> point) const {
    if (!data.readRow(row, raw)) {
        return false;
    }
    const std::size_t n = inputs_.size();
    for (std::size_t i = 0; i < n; ++i) {
        point[i] = inputs_[i].clamp(raw[i]);
    }
    point[n] = output_.clamp(raw[n]);
    return true;
}

}  // namespace zorv
