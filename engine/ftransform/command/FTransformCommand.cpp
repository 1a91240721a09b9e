#include "ftransform/command/FTransformCommand.h"

#include "ftransform/command/NodeCountSearch.h"
#include "ftransform/partition/EFTransformSettings.h"
#include "text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zorv {

FTransformCommand::FTransformCommand(std::vector<FTransformContext> inputs, FTransformContext output)
    : reader_(std::move(inputs), output) {}

void FTransformCommand::checkShape(const FTransformData& data, std::size_t partitionCount) const {
    if (data.inputCount() != reader_.inputCount()) {
        throw std::invalid_argument("The data rows do not have one input column per input variable.");
    }
    if (partitionCount != static_cast<std::size_t>(reader_.inputCount())) {
        throw EFTransformSettings("The F-transform settings do not match the input variables.");
    }
}

FTransformOutcome FTransformCommand::run(FTransformData& data, std::vector<PartitionSettings> partitions,
                                         std::optional<double> maxError, const Progress& progress,
                                         std::stop_token stop) const {
    checkShape(data, partitions.size());
    if (maxError && !std::isfinite(*maxError)) {
        throw EFTransformSettings("The maximum error must be a finite number.");
    }
    FTransformOutcome outcome;
    try {
        if (maxError) {
            outcome.transform = searchNodes(data, partitions, *maxError, progress, stop, outcome);
        } else {
            outcome.transform = makeTransform(partitions);
            fitRows(*outcome.transform, data, progress, stop);
        }
        outcome.partitions = std::move(partitions);
        outcome.reconstruction = reconstructRows(*outcome.transform, data, progress, stop);
    } catch (const Stopped&) {
        FTransformOutcome cancelled;
        cancelled.status = FTransformStatus::Cancelled;
        cancelled.reconstruction.cancelled = true;
        return cancelled;
    }
    return outcome;
}

std::unique_ptr<TFTransform> FTransformCommand::searchNodes(const FTransformData& data,
                                                            std::vector<PartitionSettings>& partitions,
                                                            double maxError, const Progress& progress,
                                                            const std::stop_token& stop,
                                                            FTransformOutcome& outcome) const {
    std::unique_ptr<TFTransform> current;
    const auto errorOf = [&](int nodes) {
        for (auto& p : partitions) {
            p.nodes = nodes;
        }
        current.reset();  // one grid in memory at a time
        current = makeTransform(partitions);
        fitRows(*current, data, progress, stop);
        return largestErrorOf(*current, data, stop);
    };
    const NodeCountSearch::Result found = NodeCountSearch::run(highestNodeCount(data), maxError, errorOf);
    for (auto& p : partitions) {
        p.nodes = found.nodes;
    }
    outcome.nodesFound = found.nodes;
    outcome.status = found.exceeded ? FTransformStatus::MaximumNodesExceeded : FTransformStatus::Fitted;
    return current;
}

std::unique_ptr<TFTransform> FTransformCommand::makeTransform(std::span<const PartitionSettings> partitions) const {
    auto transform = std::make_unique<TFTransform>(partitions);
    transform->setDefaultValue(reader_.output().midpoint());
    return transform;
}

void FTransformCommand::fit(TFTransform& transform, const FTransformData& data, const Progress& progress) const {
    fitRows(transform, data, progress, {});
}

void FTransformCommand::fitRows(TFTransform& transform, const FTransformData& data, const Progress& progress,
                                const std::stop_token& stop) const {
    const auto width = static_cast<std::size_t>(reader_.inputCount()) + 1;
    std::vector<double> raw(width);
    std::vector<double> point(width);
    const int rows = data.rowCount();
    ProgressReporter reporter(progress, rows);
    transform.reset();
    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) throw Stopped{};
        if (reader_.read(data, row, raw, point)) {
            transform.addPoint(point);
        }
        reporter.advance(row + 1);
    }
    transform.finish();
}

double FTransformCommand::largestError(const TFTransform& transform, const FTransformData& data) const {
    return largestErrorOf(transform, data, {});
}

double FTransformCommand::largestErrorOf(const TFTransform& transform, const FTransformData& data,
                                         const std::stop_token& stop) const {
    const auto n = static_cast<std::size_t>(reader_.inputCount());
    std::vector<double> raw(n + 1);
    std::vector<double> point(n + 1);
    double largest = 0.0;
    for (int row = 0; row < data.rowCount(); ++row) {
        if (stop.stop_requested()) throw Stopped{};
        if (reader_.read(data, row, raw, point)) {
            largest = std::max(largest, std::fabs(raw[n] - transform.inverse(std::span(point).first(n))));
        }
    }
    return largest;
}

FTransformReconstruction FTransformCommand::reconstruct(const TFTransform& transform, FTransformData& data,
                                                        const Progress& progress, std::stop_token stop) const {
    try {
        return reconstructRows(transform, data, progress, stop);
    } catch (const Stopped&) {
        FTransformReconstruction cancelled;
        cancelled.cancelled = true;
        return cancelled;
    }
}

FTransformReconstruction FTransformCommand::reconstructRows(const TFTransform& transform, FTransformData& data,
                                                            const Progress& progress,
                                                            const std::stop_token& stop) const {
    checkShape(data, static_cast<std::size_t>(transform.dimensions()));
    const auto n = static_cast<std::size_t>(reader_.inputCount());
    std::vector<double> raw(n + 1);
    std::vector<double> point(n + 1);
    FTransformReconstruction result;
    const int rows = data.rowCount();
    ProgressReporter reporter(progress, rows);
    for (int row = 0; row < rows; ++row) {
        if (stop.stop_requested()) throw Stopped{};
        if (!reader_.read(data, row, raw, point)) {
            data.setReconstruction(row, {});
            ++result.rowsSkipped;
        } else {
            const std::string text = NumberText::dataCell(transform.inverse(std::span(point).first(n)));
            data.setReconstruction(row, text);
            ++result.rowsReconstructed;
            if (const auto shown = NumberText::parseDecimal(text)) {
                result.maxError = std::max(result.maxError.value_or(0.0), std::fabs(raw[n] - *shown));
            }
        }
        reporter.advance(row + 1);
    }
    if (result.maxError) {
        result.maxErrorText = NumberText::dataCell(*result.maxError);
    }
    return result;
}

int FTransformCommand::highestNodeCount(const FTransformData& data) const {
    const long long tableRows = static_cast<long long>(data.rowCount()) + 2;
    const long long cap = TFTransform::maxNodesPerAxis(reader_.inputCount());
    return static_cast<int>(std::max(2LL, std::min(tableRows, cap)));
}

}  // namespace zorv
