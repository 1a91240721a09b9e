#include "cli/PointTable.h"

#include <sstream>

#include "app/core/evaluation/BatchRunner.h"
#include "app/core/evaluation/EvaluatorSources.h"
#include "cli/CliError.h"
#include "cli/TerminalProgress.h"
#include "text/NumberText.h"

namespace zorv::cli {

PointBatch PointTable::compute(CRuleBase& unit, PointBatch points, UnitResponse response, const std::string& label,
                               std::ostream& err) {
    BatchRun run(std::move(points));
    {
        TerminalProgress progress(err, label);
        BatchRunner::Run(run, *EvaluatorSources::For(unit, response), progress.callback());
    }
    if (const auto failure = run.Failure()) throw CliError::badValue(*failure);
    return run.Batch();
}

void PointTable::write(std::ostream& out, const std::vector<std::string>& header, const PointBatch& computed,
                       const std::vector<int>& columns) {
    std::ostringstream text;
    for (std::size_t c = 0; c < header.size(); ++c) text << (c == 0 ? "" : ",") << field(header[c]);
    text << '\n';
    for (std::size_t i = 0; i < computed.Size(); ++i) {
        const auto point = computed.Point(i);
        for (const int c : columns) text << NumberText::shortest(point[static_cast<std::size_t>(c)]) << ',';
        text << NumberText::shortest(computed.Output(i)) << '\n';
    }
    out << text.str();
}

std::string PointTable::field(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') quoted += '"';
    }
    return quoted + '"';
}

}  // namespace zorv::cli
