#include "app/core/DataTableComputer.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <vector>

#include "text/NumberText.h"

namespace zorv {

namespace {

void Report(const ProgressCallback& progress, int done, int total) {
    if (progress) {
        progress(done, total);
    }
}

std::optional<double> CellNumber(const DataGrid& grid, int row, int column, std::string& problem) {
    const std::string& text = grid.Cell(row, column);
    const auto value = NumberText::parseDecimal(text);
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
    std::vector<double> inputs(static_cast<std::size_t>(layout_.InputCount()));
    result.values.reserve(static_cast<std::size_t>(total));
    for (int i = 0; i < total; ++i) {
        const int row = DataGrid::kHeaderRows + i;
        double value = 0.0;
        result.stopReason = ComputeRow(grid, row, inputs.data(), value);
        if (!result.stopReason.empty()) {
            result.stoppedAtRow = row;
            break;
        }
        result.values.push_back(value);
        Report(progress, i + 1, total);
    }
    Report(progress, total, total);
    result.maxError = MaxError(grid, layout_, result.maxErrorProblem);
    return result;
}

std::string DataTableComputer::ComputeRow(DataGrid& grid, int row, double* inputs, double& value) const {
    std::string problem = ReadInputs(grid, row, inputs);
    if (!problem.empty()) {
        return problem;
    }
    try {
        value = evaluator_.Evaluate(inputs);
    } catch (const std::exception& refused) {
        return refused.what();
    }
    WriteResult(grid, row, value);
    return {};
}

std::string DataTableComputer::ReadInputs(const DataGrid& grid, int row, double* inputs) const {
    for (int k = 0; k < layout_.InputCount(); ++k) {
        const std::string& text = grid.Cell(row, layout_.InputColumn(k));
        const auto value = NumberText::parseDecimal(text);
        if (!value) {
            return layout_.Input(k).name + " '" + text + "' is not a number";
        }
        const DataColumnVariable& input = layout_.Input(k);
        inputs[k] = std::clamp(*value, std::min(input.low, input.high), std::max(input.low, input.high));
    }
    return {};
}

void DataTableComputer::WriteResult(DataGrid& grid, int row, double value) const {
    grid.SetCell(row, layout_.OutputColumn(0), NumberText::dataResult(value));
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
