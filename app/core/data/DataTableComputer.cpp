#include "app/core/data/DataTableComputer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <exception>
#include <mutex>
#include <span>
#include <vector>

#include "inference/compiled/ChunkRunner.h"
#include "inference/compiled/CompiledRuleBase.h"
#include "text/NumberText.h"
#include "text/TextExcerpt.h"

namespace zorv {

namespace {

// Rows a thread takes at a time: short runs keep the rows finished at a stop request close to a prefix.
constexpr std::size_t kRowsPerRun = 64;
// Below this many rows per thread, fewer threads are started.
constexpr std::size_t kMinRowsPerThread = 1024;
constexpr std::size_t kReportEvery = 256;

std::optional<double> CellNumber(const DataColumn& column, int row, std::string& problem) {
    const auto value = column.Number(row);
    if (!value) {
        problem.assign(1, '\'').append(TextExcerpt::of(column.Text(row)));
        problem.append("' is not a valid floating point value");
    }
    return value;
}

void Cancel(DataComputeResult& result, std::size_t row) {
    result.cancelled = true;
    result.stopReason.clear();
    result.stoppedAtRow = DataGrid::kHeaderRows + static_cast<int>(row);
}

}  // namespace

DataComputation DataTableComputer::Run(const DataGrid& grid, const JobControl& control) const {
    DataComputation computation;
    DataComputeResult& result = computation.result;
    if (layout_.OutputCount() == 0) {
        result.maxErrorProblem = "the rule base has no output variable";
        return computation;
    }
    const int total = grid.DataRowCount();
    control.Report(0, total);
    const std::vector<double> inputs = ReadRows(grid, result);
    Evaluated evaluated = EvaluateRows(inputs, result, control, total);
    result.values = std::move(evaluated.values);

    DataColumn& output = computation.output.emplace(ResultColumn(grid, layout_.OutputColumn(0)));
    for (int i = 0; i < result.RowsComputed(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        output.SetResult(DataGrid::kHeaderRows + i, result.values[at], evaluated.shown[at]);
    }
    if (layout_.LingApprox()) {
        DataColumn& texts = computation.lingApprox.emplace(ResultColumn(grid, layout_.LingApproxColumn()));
        for (int i = 0; i < result.RowsComputed(); ++i) {
            texts.SetText(DataGrid::kHeaderRows + i, evaluated.texts[static_cast<std::size_t>(i)]);
        }
    }
    control.Report(total, total);
    result.maxError = MaxError(grid.Column(layout_.ExpectedColumn()), output, result.maxErrorProblem);
    return computation;
}

void DataTableComputer::Install(DataGrid& grid, const DataTableLayout& layout, DataComputation& computation) {
    if (computation.output) grid.ReplaceColumn(layout.OutputColumn(0), std::move(*computation.output));
    if (computation.lingApprox) grid.ReplaceColumn(layout.LingApproxColumn(), std::move(*computation.lingApprox));
    computation.output.reset();
    computation.lingApprox.reset();
}

DataComputeResult DataTableComputer::Compute(DataGrid& grid, const ProgressCallback& progress) const {
    DataComputation computation = Run(grid, {progress, {}});
    Install(grid, layout_, computation);
    return std::move(computation.result);
}

// An empty column of the grid's height with the header cells of the column it is to replace.
DataColumn DataTableComputer::ResultColumn(const DataGrid& grid, int column) const {
    DataColumn cells;
    cells.Resize(grid.RowCount());
    for (int row = 0; row < DataGrid::kHeaderRows; ++row) cells.SetText(row, grid.Cell(row, column));
    return cells;
}

std::vector<double> DataTableComputer::ReadRows(const DataGrid& grid, DataComputeResult& result) const {
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    std::vector<double> inputs;
    inputs.reserve(width * static_cast<std::size_t>(grid.DataRowCount()));
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

DataTableComputer::Evaluated DataTableComputer::EvaluateRows(const std::vector<double>& inputs,
                                                             DataComputeResult& result, const JobControl& control,
                                                             int total) const {
    if (evaluator_.Compiled() != nullptr) {
        return EvaluateCompiled(inputs, result, control, total);
    }
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    const std::size_t rows = width == 0 ? 0 : inputs.size() / width;
    Evaluated evaluated;
    evaluated.values.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        if (control.StopRequested()) {
            Cancel(result, i);
            break;
        }
        try {
            evaluated.values.push_back(evaluator_.Evaluate(inputs.data() + i * width));
        } catch (const std::exception& refused) {
            result.stopReason = refused.what();
            result.stoppedAtRow = DataGrid::kHeaderRows + static_cast<int>(i);
            break;
        }
        evaluated.shown.push_back(DataColumn::ShownResult(evaluated.values.back()));
        if (layout_.LingApprox()) evaluated.texts.push_back(evaluator_.TypicalExpression(evaluated.values.back()));
        control.Report(static_cast<int>(i) + 1, total);
    }
    return evaluated;
}

// Each thread takes the next run of rows until none is left, a row is refused or a stop is requested. The
// rows kept are those up to the first run not finished and the first refused row, whichever comes first.
DataTableComputer::Evaluated DataTableComputer::EvaluateCompiled(const std::vector<double>& inputs,
                                                                 DataComputeResult& result,
                                                                 const JobControl& control, int total) const {
    const auto width = static_cast<std::size_t>(layout_.InputCount());
    const std::size_t rows = width == 0 ? 0 : inputs.size() / width;
    const std::size_t runs = (rows + kRowsPerRun - 1) / kRowsPerRun;
    const bool describe = layout_.LingApprox();
    ChunkRunner runner(evaluator_.Compiled(), evaluator_.Jobs());
    const auto threads = std::clamp<std::size_t>(rows / kMinRowsPerThread, 1, static_cast<std::size_t>(runner.jobs()));

    Evaluated evaluated;
    evaluated.values.assign(rows, 0.0);
    evaluated.shown.resize(rows);
    if (describe) evaluated.texts.resize(rows);
    std::vector<std::uint8_t> finished(runs, 0);
    std::atomic<std::size_t> nextRun{0};
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> firstRefused{rows};
    std::mutex refusalMutex;
    runner.run(threads, [&](const ChunkRunner::Piece& piece, Workspace& ws) {
        for (;;) {
            const std::size_t run = nextRun++;
            const std::size_t begin = run * kRowsPerRun;
            if (run >= runs || begin >= firstRefused.load()) return;
            const std::size_t end = std::min(rows, begin + kRowsPerRun);
            for (std::size_t i = begin; i < end; ++i) {
                if (control.StopRequested()) return;
                try {
                    evaluated.values[i] = runner.compiled().evaluate(std::span(inputs).subspan(i * width, width), ws);
                } catch (const std::exception& refused) {
                    const std::lock_guard lock(refusalMutex);
                    if (i < firstRefused.load()) {
                        firstRefused = i;
                        result.stopReason = refused.what();
                    }
                    return;
                }
                evaluated.shown[i] = DataColumn::ShownResult(evaluated.values[i]);
                if (describe) evaluated.texts[i] = evaluator_.TypicalExpression(evaluated.values[i]);
            }
            finished[run] = 1;
            const std::size_t now = done += end - begin;
            if (piece.callingThread && now / kReportEvery != (now - (end - begin)) / kReportEvery) {
                control.Report(static_cast<int>(now), total);
            }
        }
    });
    const auto unfinished = std::find(finished.begin(), finished.end(), 0);
    const std::size_t complete = std::min(rows, static_cast<std::size_t>(unfinished - finished.begin()) * kRowsPerRun);
    const std::size_t kept = std::min(complete, firstRefused.load());
    if (firstRefused.load() < rows && kept == firstRefused.load()) {
        result.stoppedAtRow = DataGrid::kHeaderRows + static_cast<int>(kept);
    } else if (kept < rows) {
        Cancel(result, kept);
    }
    evaluated.values.resize(kept);
    evaluated.shown.resize(kept);
    if (describe) evaluated.texts.resize(kept);
    return evaluated;
}

std::string DataTableComputer::ReadInputs(const DataGrid& grid, int row, double* inputs) const {
    for (int k = 0; k < layout_.InputCount(); ++k) {
        const auto value = grid.Number(row, layout_.InputColumn(k));
        const DataColumnVariable& input = layout_.Input(k);
        if (!value) {
            return input.name + " '" + TextExcerpt::of(grid.Cell(row, layout_.InputColumn(k))) + "' is not a number";
        }
        inputs[k] = std::clamp(*value, std::min(input.low, input.high), std::max(input.low, input.high));
    }
    return {};
}

std::string DataTableComputer::StopMessage(const DataComputeResult& result) {
    if (!result.stoppedAtRow || result.cancelled || result.stopReason.empty()) return {};
    return "Compute stopped at row " + std::to_string(*result.stoppedAtRow - DataGrid::kHeaderRows + 1) + ": " +
           result.stopReason + ".";
}

std::optional<double> DataTableComputer::MaxError(const DataGrid& grid, const DataTableLayout& layout,
                                                  std::string& problem) {
    return MaxError(grid.Column(layout.ExpectedColumn()), grid.Column(layout.OutputColumn(0)), problem);
}

std::optional<double> DataTableComputer::MaxError(const DataColumn& expected, const DataColumn& computed,
                                                  std::string& problem) {
    problem.clear();
    double largest = 0.0;
    for (int row = DataGrid::kHeaderRows; row < expected.Size(); ++row) {
        const auto wanted = CellNumber(expected, row, problem);
        if (!wanted) {
            return std::nullopt;
        }
        const auto got = CellNumber(computed, row, problem);
        if (!got) {
            return std::nullopt;
        }
        largest = std::max(largest, std::fabs(*wanted - *got));
    }
    return largest;
}

}  // namespace zorv
