#include "cli/TuningReportText.h"

#include "text/NumberText.h"
#include "tuning/TuningResult.h"

namespace zorv::cli {

namespace {

std::string ErrorLine(const std::string& label, const std::string& measure, double before, double after, int rows) {
    return label + " " + measure + ": " + NumberText::shortest(before) + " -> " + NumberText::shortest(after) + " (" +
           std::to_string(rows) + " rows)\n";
}

}  // namespace

std::string TuningReportText::Of(const TuningResult& result, int budget) {
    std::string text = ErrorLine("training", result.measure, result.trainingBefore, result.trainingAfter,
                                 result.trainingRows);
    if (result.holdOutBefore && result.holdOutAfter) {
        text += ErrorLine("hold-out", result.measure, *result.holdOutBefore, *result.holdOutAfter, result.holdOutRows);
    }
    for (const ParameterChange& change : result.changes) {
        if (!change.Moved()) continue;
        text += change.name + ": " + NumberText::shortest(change.before) + " -> " + NumberText::shortest(change.after) +
                "\n";
    }
    const SearchOutcome& search = result.search;
    text += "evaluations: " + std::to_string(search.evaluations) + " of " + std::to_string(budget) + " (" +
            std::to_string(search.globalEvaluations) + " global)\n";
    text += "time: " + NumberText::fixed(search.seconds, 2) + " s\n";
    text += "ended: " + std::string(SearchOutcome::EndText(search.end)) + "\n";
    return text;
}

}  // namespace zorv::cli
