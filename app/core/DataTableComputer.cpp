#include "app/core/DataTableComputer.h"

#include <algorithm>
#include <cmath>
#include <atomic>
#include <exception>
#include <span>
#include <vector>

#include "app/core/DataNumberFormat.h"
#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"

namespace zorv {

namespace {

void Report(const ProgressCallback& progress, int done, int total) {
    if (progress) {
        progress(done, total);
    }
}

std::optional<double> CellNumber(const DataGrid& grid, int row, int column, std::string& problem) {
    const std::string& text = grid.Cell(row, column);
    const auto value = DataNumberFormat::ParseCell(text);
    if (!value) {
        problem = "'" + text + "' is not a valid floating point value";
    }
    return value;
}

}  // namespace

DataComputeResult DataTableComputer::Compute(DataGrid& grid, const ProgressCallback& progress) const {
    DataComputeResult result;
    if (layout_.OutputCount() == 0) {
        result.maxErrorProblem = "the rule base has no output variable";
        return result;
    }
    const int total = grid.DataRowCount();
    Report(progress, 0, total);
    ClearResults(grid);
    const std::vector<double> inputs = ReadRows(grid, result);
    EvaluateRows(inputs, result, progress, total);
    for (int i = 0; i < result.RowsComputed(); ++i) {
        WriteResult(grid, DataGrid::kHeaderRows + i, result.values[static_cast<std::size_t>(i)]);
    }
    Report(progress, total, total);
    result.maxError = MaxError(grid, layout_, result.maxErrorProblem);
    return result;
}

std::vector<double> DataTableComputer::ReadRows(const DataGrid& grid, DataComputeResult& result) const {
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    std::vector<double> inputs;
    for (int row = DataGrid::kHeaderRows; row < grid.RowCount(); ++row) {
        inputs.resize(inputs.size() + width);
        result.stopReason = ReadInputs(grid, row, inputs.data() + inputs.size() - width);
        if (!result.stopReason.empty()) {
            result.stoppedAtRow = row;
            inputs.resize(inputs.size() - width);
            break;
        }
    }
    return inputs;
}

void DataTableComputer::EvaluateRows(const std::vector<double>& inputs, DataComputeResult& result,
                                     const ProgressCallback& progress, int total) const {
    if (evaluator_.Compiled() != nullptr) {
        EvaluateCompiled(inputs, result, progress, total);
        return;
    }
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    const std::size_t rows = width == 0 ? 0 : inputs.size() / width;
    result.values.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        try {
            result.values.push_back(evaluator_.Evaluate(inputs.data() + i * width));
        } catch (const std::exception& refused) {
            result.stopReason = refused.what();
            result.stoppedAtRow = DataGrid::kHeaderRows + static_cast<int>(i);
            return;
        }
        Report(progress, static_cast<int>(i) + 1, total);
    }
}

// The rows are split over the threads; each piece stops at its first refused row, and the rows after the
// first refused row of all are dropped.
void DataTableComputer::EvaluateCompiled(const std::vector<double>& inputs, DataComputeResult& result,
                                         const ProgressCallback& progress, int total) const {
    constexpr std::size_t kMinRowsPerJob = 1024;
    constexpr std::size_t kReportEvery = 256;
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    const std::size_t rows = width == 0 ? 0 : inputs.size() / width;
    ChunkRunner runner(evaluator_.Compiled(), evaluator_.Jobs());
    std::vector<double> values(rows, 0.0);
    std::vector<std::optional<std::pair<std::size_t, std::string>>> refusals(static_cast<std::size_t>(runner.jobs()));
    std::atomic<std::size_t> done{0};
    runner.run(
        rows,
        [&](const ChunkRunner::Piece& piece, Workspace& ws) {
            for (std::size_t i = piece.begin; i < piece.end; ++i) {
                try {
                    values[i] = runner.compiled().evaluate(std::span(inputs).subspan(i * width, width), ws);
                } catch (const std::exception& refused) {
                    refusals[static_cast<std::size_t>(piece.index)].emplace(i, refused.what());
                    return;
                }
                ++done;
                if (piece.callingThread && (i - piece.begin) % kReportEvery == kReportEvery - 1)
                    Report(progress, static_cast<int>(done.load()), total);
            }
        },
        kMinRowsPerJob);
    std::size_t computed = rows;
    for (const auto& refusal : refusals) {
        if (refusal && refusal->first < computed) {
            computed = refusal->first;
            result.stopReason = refusal->second;
            result.stoppedAtRow = DataGrid::kHeaderRows + static_cast<int>(computed);
        }
    }
    result.values.assign(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(computed));
}

std::string DataTableComputer::ReadInputs(const DataGrid& grid, int row, double* inputs) const {
    for (int k = 0; k < layout_.InputCount(); ++k) {
        const std::string& text = grid.Cell(row, layout_.InputColumn(k));
        const auto value = DataNumberFormat::ParseCell(text);
        if (!value) {
            return layout_.Input(k).name + " '" + text + "' is not a number";
        }
        const DataColumnVariable& input = layout_.Input(k);
        inputs[k] = std::clamp(*value, std::min(input.low, input.high), std::max(input.low, input.high));
    }
    return {};
}

void DataTableComputer::WriteResult(DataGrid& grid, int row, double value) const {
    grid.SetCell(row, layout_.OutputColumn(0), DataNumberFormat::FormatResult(value));
    if (layout_.LingApprox()) {
        grid.SetCell(row, layout_.LingApproxColumn(), evaluator_.TypicalExpression(value));
    }
}

void DataTableComputer::ClearResults(DataGrid& grid) const {
    for (int row = DataGrid::kHeaderRows; row < grid.RowCount(); ++row) {
        grid.SetCell(row, layout_.OutputColumn(0), std::string());
        if (layout_.LingApprox()) {
            grid.SetCell(row, layout_.LingApproxColumn(), std::string());
        }
    }
}

std::optional<double> DataTableComputer::MaxError(const DataGrid& grid, const DataTableLayout& layout,
                                                  std::string& problem) {
    problem.clear();
    double largest = 0.0;
    for (int row = DataGrid::kHeaderRows; row < grid.RowCount(); ++row) {
        const auto expected = CellNumber(grid, row, layout.ExpectedColumn(), problem);
        if (!expected) {
            return std::nullopt;
        }
        const auto computed = CellNumber(grid, row, layout.OutputColumn(0), problem);
        if (!computed) {
            return std::nullopt;
        }
        largest = std::max(largest, std::fabs(*expected - *computed));
    }
    return largest;
}

}  // namespace zorv
