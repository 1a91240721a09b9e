#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "app/core/evaluation/PointBatch.h"
#include "app/core/evaluation/UnitEvaluatorSource.h"

namespace zorv {
class CRuleBase;
}

namespace zorv::cli {

// Computes the points of a surface or projection on a rule base and prints them as CSV for plotting
// elsewhere.
class PointTable {
public:
    // The batch with its outputs, computed as the workbench computes it (a progress bar on a terminal).
    // A refused evaluation throws a CliError (bad input) with the rule base's message.
    static PointBatch compute(CRuleBase& unit, PointBatch points, UnitResponse response, const std::string& label,
                              std::ostream& err);

    // A header line of the column names, then one line per point: its inputs at `columns`, then its output,
    // in the shortest form that reads back to the same number, separated by commas.
    static void write(std::ostream& out, const std::vector<std::string>& header, const PointBatch& computed,
                      const std::vector<int>& columns);

    // A CSV field: the text itself, or in double quotes (inner quotes doubled) when it holds a comma, a
    // quote or a line break.
    static std::string field(const std::string& text);
};

}  // namespace zorv::cli
