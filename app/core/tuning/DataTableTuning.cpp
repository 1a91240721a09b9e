#include "app/core/tuning/DataTableTuning.h"

#include <cctype>
#include <vector>

#include "app/core/tuning/BestErrorTrace.h"
#include "rulebase/CRuleBase.h"
#include "text/TextExcerpt.h"
#include "tuning/ETuningRefused.h"
#include "tuning/Tuner.h"

namespace zorv {

namespace {

bool RowEmpty(const DataGrid& grid, int row, const DataTableLayout& layout) {
    for (int column = 1; column <= layout.ExpectedColumn(); ++column) {
        if (!grid.Cell(row, column).empty()) return false;
    }
    return true;
}

}  // namespace

DataTableTuning::DataTableTuning(const CRuleBase& unit, const DataTable& table, TuningOptions options)
    : unit_(std::make_unique<CRuleBase>(unit)), table_(table), options_(std::move(options)) {}

DataTableTuning::~DataTableTuning() = default;

std::optional<TuningRows> DataTableTuning::RowsOf(const DataTable& table, std::string& problem) {
    const DataGrid& grid = table.Grid();
    const DataTableLayout& layout = table.Layout();
    if (grid.DataRowCount() == 0 || (grid.DataRowCount() == 1 && RowEmpty(grid, DataGrid::kHeaderRows, layout))) {
        problem = "The table holds no data rows to tune to.";
        return std::nullopt;
    }
    TuningRows rows(layout.InputCount());
    std::vector<double> inputs(static_cast<std::size_t>(layout.InputCount()));
    for (int row = DataGrid::kHeaderRows; row < grid.RowCount(); ++row) {
        for (int column = 1; column <= layout.ExpectedColumn(); ++column) {
            const auto value = grid.Number(row, column);
            if (!value) {
                problem = "Row " + std::to_string(row - DataGrid::kHeaderRows + 1) + ": '" +
                          TextExcerpt::of(grid.Cell(row, column)) + "' is not a number.";
                return std::nullopt;
            }
            if (column < layout.ExpectedColumn()) inputs[static_cast<std::size_t>(column - 1)] = *value;
            if (column == layout.ExpectedColumn()) rows.Add(inputs, *value);
        }
    }
    return rows;
}

DataTableTuningRun DataTableTuning::Run(const JobControl& control, BestErrorTrace& trace) const {
    DataTableTuningRun run;
    const auto rows = RowsOf(table_, run.refusal);
    if (!rows) return run;
    try {
        const Tuner tuner(*unit_, *rows, options_);
        run.result = tuner.Run(
            [&](const SearchProgress& p) {
                if (p.improved) trace.Add(p.evaluations, p.best);
                control.Report(p.evaluations, p.budget);
            },
            [&control] { return control.StopRequested(); });
    } catch (const ETuningRefused& refused) {
        run.refusal = refused.what();
        run.refusal.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(run.refusal.front())));
        run.refusal += '.';
    }
    return run;
}

}  // namespace zorv
